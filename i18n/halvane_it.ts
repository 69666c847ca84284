<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>galassia a spirale</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>galassia lenticolare</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>galassia nana sferoidale</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>galassia ellittica</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>galassia irregolare</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galassia</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>ammasso di galassie</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>ammasso aperto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>ammasso globulare</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nebulosa brillante</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>nebulosa a emissione</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>nebulosa a riflessione</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>regione di formazione stellare</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nebulosa planetaria</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>nebulosa oscura</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>resto di supernova</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>stelle %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>il Sole</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>pianeta nano</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>pianeta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Ancora nessun elemento di comete o asteroidi: «Aggiorna comete e asteroidi» li scarica</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>asteroide</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stella</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>oggetto del profondo cielo</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>costellazione</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterismo</translation>
    </message>
    <message>
        <source>object</source>
        <translation>oggetto</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 UA</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; transito %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Sopra l&apos;orizzonte; qui non tramonta mai</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Sopra l&apos;orizzonte; non tramonta entro 24 ore</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Sotto l&apos;orizzonte: qui non sorge mai</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Sotto l&apos;orizzonte: non sorge entro 24 ore</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>sorge alle %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>transito %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>tramonta alle %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Sopra l&apos;orizzonte; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Sotto l&apos;orizzonte: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>luna nuova</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>luna piena</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primo quarto</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ultimo quarto</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>falce crescente</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>falce calante</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbosa crescente</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbosa calante</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>oggetto di Messier</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitudine %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, in %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Dimensioni %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Anche %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Altezza %1°, azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>AR %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>AR %1, Dec %2 (della data)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Distanza %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, dimensioni %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, dimensioni %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fase: %1, illuminata al %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 UA dal Sole, %2 UA dalla Terra</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° dal Sole</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Elementi del %1, vecchi di %2 giorni</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: la posizione può essere sbagliata di alcuni primi d&apos;arco</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Indice di colore B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Altezza %1°, azimut %2°, a %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Nell&apos;ombra della Terra</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Illuminato dal Sole</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Nessuna posizione: i suoi elementi non ne danno più</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: le posizioni possono essere sbagliate di alcuni minuti</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Prossimo passaggio visibile: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Nessun passaggio visibile nei prossimi 10 giorni</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>da %1 %2 a %3 a %4°, fino a %5 %6, visibile</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>da %1 %2 a %3 a %4°, fino a %5 %6, non visibile</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>sopra l&apos;orizzonte tutta la notte</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>sopra l&apos;orizzonte tutta la notte, con cielo chiaro</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>non sorge stanotte</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>sorge %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>tramonta %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Stanotte, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Stanotte a %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Il Sole non tramonta</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Il Sole non sorge</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Tramonto %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>civile %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>nautico %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomico %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Fine del crepuscolo: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; niente buio completo</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Buio tutta la notte</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Niente buio completo stanotte</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Alba: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Sorgere del Sole %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Luna: %1, %2 (illuminata al %3 %)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a planet, %2 its night
----------
%1 is a satellite, %2 its pass</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: magnitude %2, %3</source>
        <extracomment>%1 is a comet or asteroid, %2 its magnitude, %3 its night</extracomment>
        <translation>%1: magnitudine %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Stanotte nessuna ora buia per il profondo cielo</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitudine %2, culmina %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitudine %3, culmina %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Luogo di osservazione: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitudine:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>E|O</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usa la mia posizione</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Ora di osservazione: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Usa l&apos;ora di sistema</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Scarto della bussola:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>più di %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>il server ha risposto %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>lo scaricamento si è interrotto dopo %1 di %2 byte</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>impossibile creare %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>impossibile caricare %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>nessun dettaglio</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>il modulo di scaricamento %1 non è installato</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Scaricamento di %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Scaricamento di %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; nessuna nuova richiesta per 24 ore</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; i vecchi elementi sono conservati</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 è stato rifiutato dal server; nessuna nuova richiesta prima di %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 è stato scaricato meno di 2 ore fa; di nuovo dopo %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Forse intendevi %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Cerca una stella, un pianeta o un oggetto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>accelerometro</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetometro</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>giroscopio</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>I sensori di movimento in %1 non possono essere letti.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Le letture dell&apos;accelerometro non sono plausibili (la sua scala potrebbe essere errata).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Le letture del magnetometro non sono plausibili (la sua scala potrebbe essere errata).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>La scala del %1 non è un numero utilizzabile.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>La matrice di montaggio del %1 non può essere letta.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Nessun %1 trovato in %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>domani %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>date and time</comment>
        <extracomment>%1 day of the month, %2 month, %3 time of day</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>date</comment>
        <extracomment>%1 day of the week, %2 day of the month, %3 month, %4 year</extracomment>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>nessuna posizione entro %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 non è un dispositivo seriale leggibile</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non può essere letto</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>il flusso non ha inviato alcuna frase NMEA entro %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>il flusso NMEA non è riuscito: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: richiede un dispositivo seriale, un file o host:porta</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>dispositivo seriale inesistente: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>file NMEA inesistente: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>atteso nmea:DISPOSITIVO, nmea:FILE o nmea:HOST:PORTA, ricevuto «%1»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>il modulo di posizione %1 non è installato</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Riquadro di navigazione</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Le ore vanno da 0 a 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>I minuti vanno da 0 a 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>I secondi vanno da 0 a 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>I mesi vanno da 1 a 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Gli anni vanno da 1601 a 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Il %1 non esiste.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Gli orologi saltano le %1 il %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Nessuna città di nome «%1».</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Diverse città si chiamano «%1»: scegline una.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Attuale: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, vicino a %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Ricerca della posizione…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Nessuna posizione: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>La tua posizione è stata inserita.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Dove sei? Scegli una città o usa la tua posizione</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Il luogo e l&apos;ora della mappa</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Inserisci gradi, primi e secondi della longitudine.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Inserisci gradi, primi e secondi della latitudine.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Le latitudini vanno da 0 a 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>la risposta contiene %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>la risposta contiene elementi dell&apos;altro tipo</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Aggiornamento dei satelliti…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Aggiornamento di comete e asteroidi…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satelliti aggiornati</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Comete e asteroidi aggiornati</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 supera 64 MB; nulla importato</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 contiene %2; nulla importato</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>%n satellite importato come %1</numerusform>
            <numerusform>%n satelliti importati come %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>%n cometa o asteroide importato come %1</numerusform>
            <numerusform>%n comete e asteroidi importati come %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importa elementi</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Stanotte</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Griglia equatoriale</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Griglia altazimutale</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Linee delle costellazioni</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Confini delle costellazioni</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Sistema solare</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Nomi delle costellazioni</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Nomi delle stelle</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Suolo</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luce diurna</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Eclittica</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Profondo cielo</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Via Lattea</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Comete e asteroidi</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Visione notturna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Ripristina zoom (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posizioni precise</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Punta verso il cielo</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Vai a</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Costellazione</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Stanotte...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Aggiorna satelliti</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Aggiorna comete e asteroidi</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importa elementi...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Aggiorna ogni settimana</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Nessuna posizione: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Luogo: %1 (si cambia nelle Impostazioni)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>la cartella non può essere creata</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile salvare le impostazioni in
%1
(%2).

Libera spazio o rendi la cartella scrivibile, poi riprova.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Chiudi senza salvare</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Nettuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Plutone</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>nessun elemento orbitale utilizzabile</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>riga %1: più di %2 corpi, il resto è stato tralasciato</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>non è una riga di cometa o pianetino</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>nessun elemento di comete o pianetini</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>JSON non valido</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>XML non valido: %1 al byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>nessun set di elementi trovato</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>nessun set di elementi utilizzabile (%n scartato)</numerusform>
            <numerusform>nessun set di elementi utilizzabile (%n scartati)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 non è un file di elementi (troppo grande)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satellite %1: i suoi elementi non danno alcuna orbita (errore del modello %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>riga %1: manca la riga 2 del set</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>riga %1: manca la riga 1 del set</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>impossibile ascoltare su %1: %2; gli avvii successivi non troveranno questa finestra</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>la cartella di runtime %1 non è privata di questo utente; nessuna cartella propria trovata</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>la cartella di runtime %1 non è privata di questo utente; uso %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>nessuna cartella propria di questo utente per il controllo di istanza unica (halvane-%1 nella cartella temporanea è di qualcun altro); avvio senza controllo</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>il nome del socket di istanza unica è troppo lungo (%1); avvio senza il controllo</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>impossibile bloccare %1: %2; avvio senza il controllo di istanza unica</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>il server di un altro utente si trova su %1 mentre un Halvane di questa sessione detiene il blocco; nessun contatto</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>un Halvane di questa sessione detiene %1 ma non risponde</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: valore mancante</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>impossibile aprire (mancante, non è un file regolare o non leggibile)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>impossibile aprire (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>solo %n byte, meno dell&apos;intestazione di 12 byte</numerusform>
            <numerusform>solo %n byte, meno dell&apos;intestazione di 12 byte</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>impossibile leggere l&apos;intestazione</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>tipo di catalogo sconosciuto (etichetta e nome del file sconosciuti); indicalo con --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>intestazione rifiutata da %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte di un record incompleto alla fine (ignorato dai lettori)</numerusform>
            <numerusform>%n byte di un record incompleto alla fine (ignorati dai lettori)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>più grande di quanto possa essere un catalogo del suo tipo; i lettori lo rifiutano</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>impossibile leggere</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nome non in UTF-8 valido (scartato dai lettori)</numerusform>
            <numerusform>%n nomi non in UTF-8 valido (scartati dai lettori)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n città senza nome o paese, o fuori intervallo (scartata dal lettore)</numerusform>
            <numerusform>%n città senza nome o paese, o fuori intervallo (scartate dal lettore)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n record con coordinate non finite (scartato dai lettori)</numerusform>
            <numerusform>%n record con coordinate non finite (scartati dai lettori)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n record con ascensione retta fuori da [0, 360) o declinazione fuori da [-90, 90] gradi</numerusform>
            <numerusform>%n record con ascensione retta fuori da [0, 360) o declinazione fuori da [-90, 90] gradi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nome senza byte zero finale</numerusform>
            <numerusform>%n nomi senza byte zero finale</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: impossibile aprire (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: JSON non valido al byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: non è un oggetto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: impossibile leggere</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (vedi halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 richiede un file</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities richiede --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities richiede --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: impossibile scrivere «%1»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: impossibile scrivere «%1»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: impossibile leggere i sensori di movimento</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: impossibile leggere %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 è troppo grande</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 non è un file di città di una versione nota</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 non contiene alcuna città</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: nessuna città con quel nome in %1Cities.dat, ricevuto «%2»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: nessuna stella, oggetto, costellazione o pianeta con quel nome, ricevuto «%1»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: nessun elemento di comete o asteroidi caricato (--minor-bodies FILE), ricevuto «%1»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>nessun set di elementi</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: nessun satellite con quel nome, ricevuto «%1»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: nessun satellite con quel nome (nessun file --satellites), ricevuto «%1»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: nessuna stella, oggetto, costellazione o pianeta con quel nome, ricevuto «%1»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, ricevuto %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>attesa una cartella</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>atteso WxH con lati da 16 a 8192 pixel</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>atteso un rapporto di pixel da 1 a 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>atteso un numero di gradi</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>atteso un numero finito di gradi</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>attesi da -90 a 90 gradi</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>attesi da -360 a 360 gradi</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>attesa un&apos;ora UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>atteso north, east, south, west o zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>atteso un nome</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>atteso un file di elementi di comete o pianetini</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>atteso un nome di file</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>attesi da 1 a 10 giorni</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>atteso un numero intero di passi</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>attesa una stringa di l, r, u e d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>atteso X,Y in pixel</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view e --goto: indicane solo uno</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city e --longitude/--latitude: indicane solo uno</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here e --city o --longitude/--latitude: indicane solo uno</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: solo con --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: il punto deve trovarsi sulla mappa di %1x%2, ricevuto %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>sab</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>NNE</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>NE</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>ENE</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>SE</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>SSE</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>SSO</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>SO</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>OSO</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>NNO</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Una nuova lingua vale dal prossimo avvio.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>atteso uno di %1</translation>
    </message>
    <message>
        <source>usage: halvane-render [options]
  --data DIR        folder of Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (default: beside the executable, else ../share/halvane,
                    else the XDG data folders)
  --size WxH        chart size in pixels (default 240x294)
  --scale R         device pixels per chart pixel, 1 to 4, as on a HiDPI screen;
                    the PNG is R times the size (default 1)
  --longitude DEG   degrees, positive west   } default: Config.dat in the data
  --latitude DEG    degrees, positive north  } folder, else the built-in defaults
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (default: now)
  --view DIR        north, east, south, west or zenith (default: zenith)
  --goto NAME       aim at a star, object, constellation or planet by name
  --minor-bodies FILE
                    comet (CometEls.txt) or minor-planet (MPCORB) elements to
                    show, find and tell of; repeatable
  --city NAME       observe from a city of Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            observe from the position the position source gives (within
                    30 s; to 0.01 degree unless Config.dat keeps it exact)
  --position-source nmea:SOURCE
                    an NMEA stream: a serial device, a file or HOST:PORT
                    (default: Config.dat&apos;s, else the system&apos;s location service)
  --zoom N          N zoom-in steps from 90 degrees; negative: zoom-out steps
  --rotate N        N clockwise 15-degree steps; negative: counter-clockwise
  --pan KEYS        arrow-key steps, a string of l, r, u, d, applied in order
  --layers LIST     comma-separated subset of equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, or none (default: Config.dat&apos;s, else horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         apparent places of the date, with refraction (as the
                    View menu&apos;s Precise positions)
  --tap X,Y         identify the object at this pixel and write its name
  --language CODE   names, panels and dates in this language (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info and
                    --tonight then print the panel&apos;s and Tonight&apos;s lines in it
                    instead of their key: value lines
  --out FILE        write the chart as PNG
  --trace FILE      write every drawing operation, one a line (&quot;-&quot;: stdout)
  --bodies          print the Sun, the Moon and the planets, one a line: name,
                    RA hours and Dec degrees (J2000, topocentric), altitude and
                    azimuth degrees as drawn, magnitude, diameter arcseconds,
                    illuminated fraction
  --info NAME       print what the information panel tells of an object, one
                    key: value a line (times ISO 8601 local, angles degrees and
                    hours; a comet&apos;s or asteroid&apos;s also r_au, delta_au,
                    phase_angle and its elements&apos; epoch)
  --tonight         print the Tonight list the same way: sunset, twilight, the
                    Moon, each planet
  --satellites FILE satellites&apos; elements (TLE, 3LE, or OMM as CSV, JSON or XML):
                    drawn by the satellites layer, known to --info and --tap
  --passes NAME     print the satellite&apos;s passes, one a line: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (times ISO 8601 UTC, the
                    start and end at 0 degrees geometric altitude, MAG &apos;-&apos; when
                    unknown, visible or unseen)
  --days N          passes over N days (1 to 10) from the time; default: the
                    coming night, to the next local noon
  --night           red on black, as night vision shows it
  --caption         the window&apos;s caption: the time given, in the zone of the place&apos;s
                    nearest city within 100 km (else the device&apos;s), and the star limit
  --sensors         aim where the device points, from its accelerometer and
                    magnetometer (HALVANE_IIO_DEVICES names another sysfs folder), and
                    print &apos;aim azimuth A altitude H roll R&apos; in degrees, true north

The trace has one drawing operation a line, in the order drawn; coordinates are
chart pixels (left, top, right, bottom for rectangles), colours RRGGBB in hex:
  fill L T R B BRUSH          BRUSH: black, white or gray
  pen RRGGBB                  colour of the lines that follow
  textcolor RRGGBB            colour of the text that follows
  transparent                 text without a background from here on
  polyline N X1 Y1 ... XN YN  a line through N points
  text L T R B FLAGS &quot;TEXT&quot;   TEXT in UTF-8 within the rectangle, FLAGS as a
                              number; \&quot; is a quote, \\ a backslash, \xNN the
                              byte NN of a control character or broken UTF-8
  blit X Y W H SX SY OP       a W x H picture from (SX, SY) of a sprite sheet
                              or buffer to (X, Y); OP: copy or or
Arguments and file contents echoed in messages are escaped the same way and cut
with &quot;...&quot; after 120 bytes.
</source>
        <extracomment>the options and the trace&apos;s words stay as they are; only their descriptions change</extracomment>
        <translation>uso: halvane-render [options]
  --data DIR        cartella di Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (predefinito: accanto all&apos;eseguibile, altrimenti ../share/halvane,
                    altrimenti le cartelle dati XDG)
  --size WxH        dimensioni della mappa in pixel (predefinito 240x294)
  --scale R         pixel del dispositivo per pixel della mappa, da 1 a 4, come su uno schermo HiDPI;
                    il PNG è R volte più grande (predefinito 1)
  --longitude DEG   gradi, positivi verso ovest } predefinito: Config.dat nella cartella
  --latitude DEG    gradi, positivi verso nord  } dati, altrimenti i valori incorporati
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (predefinito: adesso)
  --view DIR        north, east, south, west o zenith (predefinito: zenith)
  --goto NAME       puntare una stella, un oggetto, una costellazione o un pianeta per nome
  --minor-bodies FILE
                    elementi di comete (CometEls.txt) o pianetini (MPCORB) da
                    mostrare, cercare e descrivere; ripetibile
  --city NAME       osservare da una città di Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            osservare dalla posizione data dalla fonte di posizione (entro
                    30 s; a 0,01 gradi salvo che Config.dat la conservi esatta)
  --position-source nmea:SOURCE
                    un flusso NMEA: un dispositivo seriale, un file o HOST:PORT
                    (predefinito: quella di Config.dat, altrimenti il servizio di localizzazione del sistema)
  --zoom N          N passi di ingrandimento da 90 gradi; negativo: passi di riduzione
  --rotate N        N passi di 15 gradi in senso orario; negativo: antiorario
  --pan KEYS        passi dei tasti freccia, una stringa di l, r, u, d, applicati in ordine
  --layers LIST     sottoinsieme separato da virgole di equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, o none (predefinito: quello di Config.dat, altrimenti horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         posizioni apparenti della data, con rifrazione (come
                    Posizioni precise del menu Vista)
  --tap X,Y         identificare l&apos;oggetto in questo pixel e scriverne il nome
  --language CODE   nomi, pannelli e date in questa lingua (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info e
                    --tonight scrivono allora le righe del pannello e di «Stanotte» in essa
                    anziché le loro righe key: value
  --out FILE        scrivere la mappa come PNG
  --trace FILE      scrivere ogni operazione di disegno, una per riga (&quot;-&quot;: stdout)
  --bodies          stampare il Sole, la Luna e i pianeti, uno per riga: nome,
                    AR in ore e Dec in gradi (J2000, topocentriche), altezza e
                    azimut in gradi come disegnati, magnitudine, diametro in
                    secondi d&apos;arco, frazione illuminata
  --info NAME       stampare ciò che il pannello informazioni dice di un oggetto, una
                    coppia chiave: valore per riga (ore ISO 8601 locali, angoli in gradi e
                    ore; per una cometa o un asteroide anche r_au, delta_au,
                    phase_angle e l&apos;epoca dei suoi elementi)
  --tonight         stampare allo stesso modo l&apos;elenco Stanotte: tramonto, crepuscolo,
                    la Luna, ogni pianeta
  --satellites FILE elementi dei satelliti (TLE, 3LE o OMM come CSV, JSON o XML):
                    disegnati dal livello dei satelliti, noti a --info e --tap
  --passes NAME     stampare i passaggi del satellite, uno per riga: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (ore ISO 8601 UTC, inizio
                    e fine a 0 gradi di altezza geometrica, MAG &apos;-&apos; se
                    sconosciuta, visible o unseen)
  --days N          passaggi in N giorni (da 1 a 10) dall&apos;ora; predefinito: la
                    notte successiva, fino al prossimo mezzogiorno locale
  --night           rosso su nero, come nella visione notturna
  --caption         il titolo della finestra: l&apos;ora data, nel fuso della città più vicina
                    al luogo entro 100 km (altrimenti quello del dispositivo), e la magnitudine limite
  --sensors         puntare dove punta il dispositivo, secondo il suo accelerometro e
                    magnetometro (HALVANE_IIO_DEVICES indica un&apos;altra cartella sysfs), e
                    stampare &apos;aim azimuth A altitude H roll R&apos; in gradi, nord geografico

La traccia ha un&apos;operazione di disegno per riga, nell&apos;ordine di disegno; le coordinate
sono pixel della mappa (sinistra, alto, destra, basso per i rettangoli), i colori RRGGBB in esadecimale:
  fill L T R B BRUSH          BRUSH: black, white o gray
  pen RRGGBB                  colore delle linee seguenti
  textcolor RRGGBB            colore del testo seguente
  transparent                 testo senza sfondo da qui in poi
  polyline N X1 Y1 ... XN YN  una linea attraverso N punti
  text L T R B FLAGS &quot;TEXT&quot;   TEXT in UTF-8 dentro il rettangolo, FLAGS come
                              numero; \&quot; è una virgoletta, \\ una barra rovesciata, \xNN il
                              byte NN di un carattere di controllo o di UTF-8 non valido
  blit X Y W H SX SY OP       un&apos;immagine W x H da (SX, SY) di un foglio di sprite
                              o buffer a (X, Y); OP: copy o or
Argomenti e contenuti di file riportati nei messaggi sono protetti allo stesso modo e
troncati con &quot;...&quot; dopo 120 byte.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>La deviazione della bussola va da -180 a 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>atteso none o un elenco di %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n record danneggiato (scartato dal lettore)</numerusform>
            <numerusform>%n record danneggiati (scartati dal lettore)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: nessuna posizione in quel momento per «%2»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (vedi halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 richiede un file</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 richiede una cartella</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build richiede --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build richiede --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>tipo sconosciuto «%1»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info accetta un solo file</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info richiede un file</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>uso: halvane-catalog build --source DIR --out DIR [--names FILE]
     halvane-catalog build-cities --source FILE --out DIR
     halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind richiede uno dei valori %1</translation>
    </message>
</context>
</TS>
