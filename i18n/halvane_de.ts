<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>Spiralgalaxie</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>Linsenförmige Galaxie</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>Zwerg-Sphäroidalgalaxie</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>Elliptische Galaxie</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>Irreguläre Galaxie</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>Galaxie</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>Galaxienhaufen</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>Offener Sternhaufen</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>Kugelsternhaufen</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>Heller Nebel</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>Emissionsnebel</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>Reflexionsnebel</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>Sternentstehungsgebiet</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>Planetarischer Nebel</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>Dunkelnebel</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>Supernovaüberrest</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>Sterne %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>die Sonne</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>der Mond</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>Zwergplanet</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Noch keine Bahnelemente von Kometen oder Asteroiden: „Kometen und Asteroiden aktualisieren“ lädt sie</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>Asteroid</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>Deep-Sky-Objekt</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>Asterismus</translation>
    </message>
    <message>
        <source>object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 AE</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; Kulmination %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Jetzt über dem Horizont; geht hier nie unter</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Jetzt über dem Horizont; geht innerhalb von 24 Stunden nicht unter</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Unter dem Horizont: geht hier nie auf</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Unter dem Horizont: geht innerhalb von 24 Stunden nicht auf</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>Aufgang %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>Kulmination %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>Untergang %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Jetzt über dem Horizont; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Unter dem Horizont: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messier-Objekt</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, Helligkeit %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, im Sternbild %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Größe %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Auch %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Höhe %1°, Azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RA %1, Dek %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RA %1, Dek %2 (Datum)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Entfernung %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, Größe %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, Größe %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Phase: %1, %2 % beleuchtet</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 AE von der Sonne, %2 AE von der Erde</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° von der Sonne</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Bahnelemente vom %1, %2 Tage alt</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: die Position kann um Bogenminuten abweichen</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Farbindex B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Höhe %1°, Azimut %2°, %3 km entfernt</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Im Erdschatten</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Sonnenbeschienen</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Keine Position: die Bahnelemente liefern keine mehr</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: Positionen können Minuten abweichen</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Nächster sichtbarer Überflug: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Kein sichtbarer Überflug in den nächsten 10 Tagen</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 bis %3 in %4° bis %5 %6, sichtbar</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 bis %3 in %4° bis %5 %6, nicht sichtbar</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>die ganze Nacht über dem Horizont</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>die ganze Nacht über dem Horizont, bei hellem Himmel</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>heute Nacht nicht über dem Horizont</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>Aufgang %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>Untergang %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Heute Nacht, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Heute Nacht in %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Die Sonne geht nicht unter</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Die Sonne geht nicht auf</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Sonnenuntergang %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>bürgerlich %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>nautisch %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomisch %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Ende der Dämmerung: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; keine volle Dunkelheit</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Die ganze Nacht dunkel</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Heute Nacht keine volle Dunkelheit</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Morgendämmerung: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Sonnenaufgang %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Mond: %1, %2 (%3 % beleuchtet)</translation>
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
        <translation>%1: Helligkeit %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Heute Nacht keine dunklen Stunden für Deep-Sky</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: Helligkeit %2 mag, höchster Stand %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, Helligkeit %3, höchster Stand %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Beobachtungsort: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>O|W</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Stadt:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Standort verwenden</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Beobachtungszeit: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Systemzeit verwenden</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Kompassabweichung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>der Download brach nach %1 von %2 Bytes ab</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>ohne Angabe</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>das Download-Modul %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>%1 wird geladen …</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>%1 wird geladen: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; 24 Stunden lang keine neue Anfrage</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; die alten Bahnelemente bleiben erhalten</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 wurde vom Server abgelehnt; keine neue Anfrage vor %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 wurde vor weniger als 2 Stunden geladen; wieder ab %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Meinten Sie %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Stern, Planet oder Objekt suchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>Beschleunigungssensor</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>Magnetometer</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>Gyroskop</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Die Bewegungssensoren in %1 können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Die Messwerte des Beschleunigungssensors sind nicht plausibel (vielleicht ist seine Skala falsch).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Die Messwerte des Magnetometers sind nicht plausibel (vielleicht ist seine Skala falsch).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>%1: die Skala ist keine brauchbare Zahl.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>%1: die Einbaumatrix kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>In %2 wurde kein %1 gefunden.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>morgen %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>date and time</comment>
        <extracomment>%1 day of the month, %2 month, %3 time of day</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>date</comment>
        <extracomment>%1 day of the week, %2 day of the month, %3 month, %4 year</extracomment>
        <translation>%1, %2. %3 %4</translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>keine Positionsbestimmung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 ist kein lesbares serielles Gerät</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>der Datenstrom lieferte innerhalb von %1 s keinen NMEA-Satz</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>der NMEA-Datenstrom ist ausgefallen: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: braucht ein serielles Gerät, eine Datei oder host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>kein solches serielles Gerät: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>keine solche NMEA-Datei: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>erwartet nmea:GERÄT, nmea:DATEI oder nmea:HOST:PORT, erhalten „%1“</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>das Positionsmodul %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Navigationsfeld</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Stunden reichen von 0 bis 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuten reichen von 0 bis 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Sekunden reichen von 0 bis 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Monate reichen von 1 bis 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Jahre reichen von 1601 bis 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Den %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Die Uhren überspringen %1 am %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Keine Stadt namens „%1“.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Mehrere Städte heißen „%1“: bitte eine auswählen.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, nahe %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Standort wird ermittelt …</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Kein Standort: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Ihr Standort ist eingetragen.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Wo sind Sie? Wählen Sie eine Stadt oder Ihren Standort</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Ort und Zeit der Karte</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Grad, Minuten und Sekunden der Länge eingeben.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Grad, Minuten und Sekunden der Breite eingeben.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Breiten reichen von 0 bis 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>die Antwort enthält %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>die Antwort enthält Bahnelemente der anderen Art</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Satelliten werden aktualisiert …</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Kometen und Asteroiden werden aktualisiert …</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satelliten aktualisiert</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Kometen und Asteroiden aktualisiert</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 ist größer als 64 MB; nichts importiert</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 enthält %2; nichts importiert</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>%n Satellit als %1 importiert</numerusform>
            <numerusform>%n Satelliten als %1 importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>%n Komet oder Asteroid als %1 importiert</numerusform>
            <numerusform>%n Kometen und Asteroiden als %1 importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Bahnelemente importieren</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Äquatoriales Gitter</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Horizontales Gitter</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Sternbildlinien</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Sternbildgrenzen</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Sonnensystem</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Sternbildnamen</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Sternnamen</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ekliptik</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Deep-Sky</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Milchstraße</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Kometen und Asteroiden</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Nachtsicht</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Zoom zurücksetzen (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Genaue Positionen</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Auf den Himmel richten</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sternbild</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Osten</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norden</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süden</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westen</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Heute Nacht...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Satelliten aktualisieren</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Kometen und Asteroiden aktualisieren</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Bahnelemente importieren...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Wöchentlich aktualisieren</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Kein Standort: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Ort: %1 (in den Einstellungen änderbar)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Die Einstellungen konnten nicht gespeichert werden in
%1
(%2).

Schaffen Sie Speicherplatz oder machen Sie den Ordner beschreibbar und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen ohne Speichern</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>keine brauchbaren Bahnelemente darin</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>Zeile %1: mehr als %2 Körper, der Rest wurde weggelassen</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>keine Kometen- oder Kleinplanetenzeile</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>keine Bahnelemente von Kometen oder Kleinplaneten</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>kein gültiges JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>kein gültiges XML: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>keine Bahnelementsätze gefunden</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>kein brauchbarer Bahnelementsatz (%n übersprungen)</numerusform>
            <numerusform>kein brauchbarer Bahnelementsatz (%n übersprungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 ist keine Bahnelementdatei (zu groß)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>Satellit %1: seine Bahnelemente ergeben keine Bahn (Modellfehler %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>Zeile %1: Zeile 2 des Satzes fehlt</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>Zeile %1: Zeile 1 des Satzes fehlt</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>kann nicht auf %1 horchen: %2; spätere Starts finden dieses Fenster nicht</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>der Laufzeitordner %1 gehört nicht allein diesem Benutzer; kein eigener Ordner gefunden</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>der Laufzeitordner %1 gehört nicht allein diesem Benutzer; verwende %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>kein eigener Ordner dieses Benutzers für die Einzelinstanzprüfung (halvane-%1 im temporären Ordner gehört jemand anderem); Start ohne sie</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>der Name des Einzelinstanz-Sockets ist zu lang (%1); Start ohne die Prüfung</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht gesperrt werden: %2; Start ohne die Einzelinstanzprüfung</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>auf %1 sitzt der Server eines anderen Benutzers, während ein Halvane dieser Sitzung die Sperre hält; keine Anfrage</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>ein Halvane dieser Sitzung hält %1, antwortet aber nicht</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: Wert fehlt</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>kann nicht geöffnet werden (fehlt, ist keine reguläre Datei oder nicht lesbar)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>nur %n Byte, kürzer als der 12-Byte-Kopf</numerusform>
            <numerusform>nur %n Bytes, kürzer als der 12-Byte-Kopf</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>der Kopf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>unbekannte Katalogart (Kennung und Dateiname unbekannt); mit --kind angeben</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>Kopf von %1 zurückgewiesen</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n Byte eines unvollständigen Datensatzes am Ende (von Lesern ignoriert)</numerusform>
            <numerusform>%n Bytes eines unvollständigen Datensatzes am Ende (von Lesern ignoriert)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>größer als ein Katalog dieser Art sein kann; Leser weisen ihn zurück</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n Name ist kein gültiges UTF-8 (von Lesern übersprungen)</numerusform>
            <numerusform>%n Namen sind kein gültiges UTF-8 (von Lesern übersprungen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n Stadt ohne Namen oder Land oder außerhalb des Bereichs (vom Leser übersprungen)</numerusform>
            <numerusform>%n Städte ohne Namen oder Land oder außerhalb des Bereichs (vom Leser übersprungen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n Datensatz mit nicht endlichen Koordinaten (von Lesern übersprungen)</numerusform>
            <numerusform>%n Datensätze mit nicht endlichen Koordinaten (von Lesern übersprungen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n Datensatz mit Rektaszension außerhalb [0, 360) oder Deklination außerhalb [-90, 90] Grad</numerusform>
            <numerusform>%n Datensätze mit Rektaszension außerhalb [0, 360) oder Deklination außerhalb [-90, 90] Grad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n Name ohne abschließendes Nullbyte</numerusform>
            <numerusform>%n Namen ohne abschließendes Nullbyte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: kein gültiges JSON bei Byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (siehe halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 braucht eine Datei</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities braucht --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities braucht --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: die Bewegungssensoren können nicht gelesen werden</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 ist zu groß</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 ist keine Städtedatei einer bekannten Version</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 enthält keine Stadt</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: keine Stadt dieses Namens in %1Cities.dat, erhalten „%2“</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: kein Stern, Objekt, Sternbild oder Planet dieses Namens, erhalten „%1“</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: keine Bahnelemente von Kometen oder Asteroiden geladen (--minor-bodies FILE), erhalten „%1“</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>kein Bahnelementsatz</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: kein Satellit dieses Namens, erhalten „%1“</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: kein Satellit dieses Namens (keine --satellites-Datei), erhalten „%1“</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: kein Stern, Objekt, Sternbild oder Planet dieses Namens, erhalten „%1“</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, erhalten %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>erwartet einen Ordner</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>erwartet BxH mit Seiten von 16 bis 8192 Pixeln</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>erwartet ein Pixelverhältnis von 1 bis 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>erwartet eine Gradzahl</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>erwartet eine endliche Gradzahl</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>erwartet -90 bis 90 Grad</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>erwartet -360 bis 360 Grad</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>erwartet eine UTC-Zeit YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>erwartet north, east, south, west oder zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>erwartet einen Namen</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>erwartet eine Datei mit Bahnelementen von Kometen oder Kleinplaneten</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>erwartet einen Dateinamen</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>erwartet 1 bis 10 Tage</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>erwartet eine ganze Zahl von Schritten</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>erwartet eine Zeichenfolge aus l, r, u und d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>erwartet X,Y in Pixeln</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view und --goto: nur eines von beiden angeben</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city und --longitude/--latitude: nur eines von beiden angeben</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here und --city oder --longitude/--latitude: nur eines davon angeben</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: nur mit --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: der Punkt muss auf der Karte von %1x%2 liegen, erhalten %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>Sa</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>NNO</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>NO</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>ONO</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>OSO</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>SO</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>SSO</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>SSW</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>SW</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>WSW</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>WNW</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>NW</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>NNW</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>erwartet wird eines von %1</translation>
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
        <translation>Aufruf: halvane-render [options]
  --data DIR        Ordner mit Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (Standard: neben dem Programm, sonst ../share/halvane,
                    sonst die XDG-Datenordner)
  --size WxH        Kartengröße in Pixeln (Standard 240x294)
  --scale R         Gerätepixel je Kartenpixel, 1 bis 4, wie auf einem HiDPI-Bildschirm;
                    das PNG ist R-mal so groß (Standard 1)
  --longitude DEG   Grad, positiv nach Westen } Standard: Config.dat im Daten-
  --latitude DEG    Grad, positiv nach Norden } ordner, sonst die eingebauten Werte
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (Standard: jetzt)
  --view DIR        north, east, south, west oder zenith (Standard: zenith)
  --goto NAME       auf einen Stern, ein Objekt, Sternbild oder Planeten nach Namen zielen
  --minor-bodies FILE
                    Bahnelemente von Kometen (CometEls.txt) oder Kleinplaneten (MPCORB)
                    zum Zeigen, Suchen und Beschreiben; wiederholbar
  --city NAME       von einer Stadt aus Cities.dat beobachten (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            von der Position aus beobachten, die die Positionsquelle liefert
                    (innerhalb von 30 s; auf 0,01 Grad, außer Config.dat hält sie genau)
  --position-source nmea:SOURCE
                    ein NMEA-Datenstrom: ein serielles Gerät, eine Datei oder HOST:PORT
                    (Standard: der aus Config.dat, sonst der Ortungsdienst des Systems)
  --zoom N          N Vergrößerungsschritte ab 90 Grad; negativ: Verkleinerungsschritte
  --rotate N        N Schritte zu 15 Grad im Uhrzeigersinn; negativ: gegen den Uhrzeigersinn
  --pan KEYS        Pfeiltastenschritte, eine Zeichenfolge aus l, r, u, d, der Reihe nach
  --layers LIST     kommagetrennte Auswahl aus equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, oder none (Standard: die aus Config.dat, sonst horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         scheinbare Örter des Datums, mit Refraktion (wie
                    „Genaue Positionen“ im Menü „Ansicht“)
  --tap X,Y         das Objekt an diesem Pixel bestimmen und seinen Namen ausgeben
  --language CODE   Namen, Tafeln und Daten in dieser Sprache (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info und
                    --tonight geben dann die Zeilen der Tafel und von „Heute Nacht“ darin aus
                    statt ihrer key: value-Zeilen
  --out FILE        die Karte als PNG schreiben
  --trace FILE      jede Zeichenoperation schreiben, eine je Zeile (&quot;-&quot;: stdout)
  --bodies          Sonne, Mond und Planeten ausgeben, einen je Zeile: Name,
                    RA in Stunden und Dek in Grad (J2000, topozentrisch), Höhe und
                    Azimut in Grad wie gezeichnet, Helligkeit, Durchmesser in
                    Bogensekunden, beleuchteter Anteil
  --info NAME       ausgeben, was das Informationsfeld über ein Objekt sagt, ein
                    Schlüssel: Wert je Zeile (Zeiten ISO 8601 lokal, Winkel in Grad und
                    Stunden; bei Kometen und Asteroiden auch r_au, delta_au,
                    phase_angle und die Epoche der Bahnelemente)
  --tonight         die Liste „Heute Nacht“ ebenso ausgeben: Sonnenuntergang,
                    Dämmerung, Mond, jeder Planet
  --satellites FILE Bahnelemente von Satelliten (TLE, 3LE oder OMM als CSV, JSON oder XML):
                    von der Satellitenebene gezeichnet, bekannt für --info und --tap
  --passes NAME     die Überflüge des Satelliten ausgeben, einen je Zeile: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (Zeiten ISO 8601 UTC, Anfang
                    und Ende bei 0 Grad geometrischer Höhe, MAG &apos;-&apos; wenn
                    unbekannt, visible oder unseen)
  --days N          Überflüge über N Tage (1 bis 10) ab der Zeit; Standard: die
                    kommende Nacht bis zum nächsten Ortsmittag
  --night           Rot auf Schwarz, wie die Nachtsicht es zeigt
  --caption         der Fenstertitel: die angegebene Zeit in der Zeitzone der nächsten Stadt
                    im Umkreis von 100 km (sonst der des Geräts) und die Grenzgröße der Sterne
  --sensors         dorthin zielen, wohin das Gerät zeigt, nach seinem Beschleunigungssensor
                    und Magnetometer (HALVANE_IIO_DEVICES nennt einen anderen sysfs-Ordner),
                    und &apos;aim azimuth A altitude H roll R&apos; in Grad ausgeben, geografisch Nord

Der Trace enthält eine Zeichenoperation je Zeile, in Zeichenreihenfolge; Koordinaten sind
Kartenpixel (links, oben, rechts, unten bei Rechtecken), Farben RRGGBB hexadezimal:
  fill L T R B BRUSH          BRUSH: black, white oder gray
  pen RRGGBB                  Farbe der folgenden Linien
  textcolor RRGGBB            Farbe des folgenden Texts
  transparent                 Text ohne Hintergrund ab hier
  polyline N X1 Y1 ... XN YN  eine Linie durch N Punkte
  text L T R B FLAGS &quot;TEXT&quot;   TEXT in UTF-8 innerhalb des Rechtecks, FLAGS als
                              Zahl; \&quot; ist ein Anführungszeichen, \\ ein Backslash, \xNN
                              das Byte NN eines Steuerzeichens oder kaputten UTF-8
  blit X Y W H SX SY OP       ein Bild von W x H ab (SX, SY) eines Sprite-Sheets
                              oder Puffers nach (X, Y); OP: copy oder or
In Meldungen wiedergegebene Argumente und Dateiinhalte werden ebenso maskiert und
nach 120 Bytes mit &quot;...&quot; abgeschnitten.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Die Kompassabweichung reicht von -180 bis 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>erwartet wird none oder eine Liste aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n beschädigter Datensatz (vom Leser übersprungen)</numerusform>
            <numerusform>%n beschädigte Datensätze (vom Leser übersprungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: keine Position zu dieser Zeit für „%2“</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (siehe halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 braucht eine Datei</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build braucht --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build braucht --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>unbekannte Art „%1“</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info nimmt genau eine Datei</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info braucht eine Datei</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>Aufruf: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind braucht einen der Werte %1</translation>
    </message>
</context>
</TS>
