<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>kierteisgalaksi</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>linssimäinen galaksi</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>kääpiösferoidaaligalaksi</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>elliptinen galaksi</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>epäsäännöllinen galaksi</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaksi</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>galaksijoukko</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>avoin tähtijoukko</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>pallomainen tähtijoukko</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>kirkas sumu</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>emissiosumu</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>heijastussumu</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>tähtienmuodostusalue</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>planetaarinen sumu</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>pimeä sumu</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>supernovan jäänne</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>tähdet %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Aurinko</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Kuu</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>kääpiöplaneetta</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeetta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Komeettojen ja asteroidien ratoja ei vielä ole: ”Päivitä komeetat ja asteroidit” hakee ne</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>asteroidi</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>komeetta</translation>
    </message>
    <message>
        <source>star</source>
        <translation>tähti</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>syvän taivaan kohde</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>tähdistö</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterismi</translation>
    </message>
    <message>
        <source>object</source>
        <translation>kohde</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 au</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; huipentuma %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Taivaalla nyt; ei laske täällä</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Taivaalla nyt; ei laske 24 tunnin kuluessa</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Horisontin alla: ei nouse täällä</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Horisontin alla: ei nouse 24 tunnin kuluessa</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>nousee klo %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>huipentuma %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>laskee klo %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Taivaalla nyt; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Horisontin alla: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>uusikuu</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>täysikuu</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>ensimmäinen neljännes</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>viimeinen neljännes</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>kasvava sirppi</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>vähenevä sirppi</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>kasvava kuu</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>vähenevä kuu</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messier-kohde</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitudi %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, tähdistössä %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Koko %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Muut nimet: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Korkeus %1°, atsimuutti %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RA %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RA %1, Dec %2 (hetken)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Etäisyys %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, koko %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, koko %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Vaihe: %1, valaistu %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 au Auringosta, %2 au Maasta</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° Auringosta</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Rataelementit %1, ikä %2 vrk</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: paikka voi heittää kaariminuutteja</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Väri-indeksi B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satelliitti %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Korkeus %1°, atsimuutti %2°, etäisyys %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Maan varjossa</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Auringon valaisema</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Ei sijaintia: sen rataelementit eivät enää anna sitä</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: ajat voivat heittää minuutteja</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Seuraava näkyvä ylilento: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Ei näkyviä ylilentoja seuraavan 10 päivän aikana</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 – %3 korkeudella %4° – %5 %6, näkyvä</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 – %3 korkeudella %4° – %5 %6, ei näy</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>taivaalla koko yön</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>taivaalla koko yön, vaalealla taivaalla</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>ei nouse tänä yönä</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>nousee %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>laskee %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Tänä yönä, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Tänä yönä: %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Aurinko ei laske</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Aurinko ei nouse</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Auringonlasku %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>porvarillinen %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>merenkulullinen %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>tähtitieteellinen %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Hämärä päättyy: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; ei täyttä pimeyttä</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Pimeää koko yön</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Ei täyttä pimeyttä tänä yönä</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Aamuhämärä: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Auringonnousu %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Kuu: %1, %2 (valaistu %3 %)</translation>
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
        <translation>%1: magnitudi %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Ei pimeitä tunteja syvän taivaan kohteille tänä yönä</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitudi %2, huipentuma %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitudi %3, huipentuma %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Havaintopaikka: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Pituusaste:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>I|L</translation>
    </message>
    <message>
        <source>or</source>
        <translation>tai</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Leveysaste:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>P|E</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Kaupunki:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Käytä sijaintiani</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Havaintoaika: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Käytä järjestelmän aikaa</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Pvm:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Aika:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Kompassin korjaus:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>suurempi kuin %1 Mt</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>ei vastausta %1 sekunnissa</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>palvelin vastasi %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>lataus katkesi %1 tavun kohdalla %2 tavusta</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>kansiota %1 ei voi luoda</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>moduulia %1 ei voi ladata: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>ei merkintää</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>latausmoduulia %1 ei ole asennettu</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Haetaan %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Haetaan %1: %2 kt</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; ei kysytä uudelleen 24 tuntiin</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; vanhat rataelementit säilytetään</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>Palvelin torjui pyynnön %1; ei kysytä uudelleen ennen %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 haettiin alle 2 tuntia sitten; uudelleen %2 jälkeen</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>ei löytynyt</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Tarkoititko %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Etsi tähteä, planeettaa tai kohdetta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>kiihtyvyysanturi</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetometri</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>gyroskooppi</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Liikeantureita ei voi lukea kansiossa %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Kiihtyvyysanturin lukemat eivät ole uskottavia (sen skaala voi olla väärä).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Magnetometrin lukemat eivät ole uskottavia (sen skaala voi olla väärä).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Anturin %1 skaala ei ole käyttökelpoinen luku.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Anturin %1 asennusmatriisia ei voi lukea.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Anturia %1 ei löytynyt kansiosta %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>tammik.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>helmik.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>maalisk.</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>huhtik.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>toukok.</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>kesäk.</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>heinäk.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>elok.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>syysk.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>lokak.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>marrask.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>jouluk.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Aurinko</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>huomenna %1</translation>
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
        <translation>%1 %2. %3 %4</translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>sijaintia ei saatu %1 sekunnissa</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 ei ole luettava sarjalaite</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ei ole luettavissa</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>ei voi lukea: %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>virta ei lähettänyt yhtään NMEA-lausetta %1 sekunnissa</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>NMEA-virta epäonnistui: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: vaatii sarjalaitteen, tiedoston tai host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>sarjalaitetta ei ole: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>NMEA-tiedostoa ei ole: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>odotettiin nmea:DEVICE, nmea:FILE tai nmea:HOST:PORT, saatiin ”%1”</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>paikannusmoduulia %1 ei ole asennettu</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Valikko</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Navigointiruutu</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Anna tähän kokonaisluku.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Tunnit ovat 0–23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuutit ovat 0–59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Sekunnit ovat 0–59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Kuukaudet ovat 1–12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Vuodet ovat 1601–30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Päivää %1 ei ole.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Kellot hyppäävät ajan %1 yli %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Kaupunkia ”%1” ei ole.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Useampi kaupunki on nimeltään ”%1”: valitse yksi.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Nyt: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, lähellä: %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Haetaan sijaintia…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Ei sijaintia: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Sijaintisi on täytetty.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Missä olet? Valitse kaupunki tai käytä sijaintiasi</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Kartan paikka ja aika</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Anna pituuden asteet, minuutit ja sekunnit.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Anna leveyden asteet, minuutit ja sekunnit.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Leveys on 0–90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>vastauksessa on %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>vastauksessa on toisenlaisia rataelementtejä</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Päivitetään satelliitteja…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Päivitetään komeettoja ja asteroideja…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satelliitit päivitetty</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Komeetat ja asteroidit päivitetty</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Ei voi lukea: %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 on yli 64 Mt; mitään ei tuotu</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; mitään ei tuotu</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Tuotiin %n satelliitti nimellä %1</numerusform>
            <numerusform>Tuotiin %n satelliittia nimellä %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Tuotiin %n komeetta tai asteroidi nimellä %1</numerusform>
            <numerusform>Tuotiin %n komeettaa ja asteroidia nimellä %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Tuo rataelementit</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Tänä yönä</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Ekvatoriaalinen koordinaattiverkko</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Horisontaalinen koordinaattiverkko</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Tähdistöjen viivat</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Tähdistöjen rajat</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Aurinkokunta</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Tähdistöjen nimet</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Tähtien nimet</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Maanpinta</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Päivänvalo</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ekliptika</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Syvä taivas</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Linnunrata</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Komeetat ja asteroidit</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliitit</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Yönäkö</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Palauta zoomaus (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Kierrä myötäpäivään</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Kierrä vastapäivään</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Tarkat sijainnit</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Osoita taivaalle</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Siirry</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Tähdistö</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Itä</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Pohjoinen</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Etelä</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Länsi</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zeniitti</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Etsi...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Tänä yönä...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyt</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Päivitä satelliitit</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Päivitä komeetat ja asteroidit</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Tuo rataelementit...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Päivitä viikoittain</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Asetukset...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Ei sijaintia: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Paikka: %1 (muuta asetuksissa)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>kansiota ei voi luoda</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Asetuksia ei voitu tallentaa tiedostoon
%1
(%2).

Vapauta tilaa tai salli kansioon kirjoittaminen ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Sulje tallentamatta</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Kuu</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkurius</translation>
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
        <translation>Saturnus</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptunus</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>ei käyttökelpoisia rataelementtejä</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>rivi %1: yli %2 kappaletta, loput jätettiin pois</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>ei komeetan tai pikkuplaneetan rivi</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>ei komeettojen tai pikkuplaneettojen rataelementtejä</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>virheellinen JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>virheellinen XML: %1 tavun %2 kohdalla</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>tiedosto on tyhjä</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>rataelementtijoukkoja ei löytynyt</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>ei käyttökelpoista rataelementtijoukkoa (%n ohitettu)</numerusform>
            <numerusform>ei käyttökelpoista rataelementtijoukkoa (%n ohitettu)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 ei ole rataelementtitiedosto (liian suuri)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satelliitti %1: sen rataelementit eivät anna rataa (mallin virhe %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>rivi %1: joukon rivi 2 puuttuu</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>rivi %1: joukon rivi 1 puuttuu</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>socketia %1 ei voi kuunnella: %2; myöhemmät käynnistykset eivät löydä tätä ikkunaa</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>ajonaikainen kansio %1 ei ole tämän käyttäjän yksityinen; omaa kansiota ei löytynyt</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>ajonaikainen kansio %1 ei ole tämän käyttäjän yksityinen; käytetään kansiota %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>tällä käyttäjällä ei ole omaa kansiota yhden instanssin tarkistukseen (halvane-%1 väliaikaiskansiossa on jonkun muun); käynnistetään ilman sitä</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>yhden instanssin tarkistuksen socketin nimi on liian pitkä (%1); käynnistetään ilman tarkistusta</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>tiedostoa %1 ei voi lukita: %2; käynnistetään ilman yhden instanssin tarkistusta</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>toisen käyttäjän palvelin on osoitteessa %1, kun tämän istunnon Halvane pitää lukkoa; ei yhdistetä</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>tämän istunnon Halvane pitää kohdetta %1 mutta ei vastaa</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: arvo puuttuu</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>tuntematon valitsin ”%1”</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>ei voi avata (puuttuu, ei tavallinen tiedosto tai ei luettavissa)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ei voi avata (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>vain %n tavu, lyhyempi kuin 12 tavun otsake</numerusform>
            <numerusform>vain %n tavua, lyhyempi kuin 12 tavun otsake</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>otsaketta ei voi lukea</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>tuntematon luettelon laji (tunniste ja tiedostonimi tuntemattomia); nimeä se valitsimella --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>%1 hylkäsi otsakkeen</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n tavu vajaata tietuetta lopussa (lukijat ohittavat)</numerusform>
            <numerusform>%n tavua vajaata tietuetta lopussa (lukijat ohittavat)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>suurempi kuin mikään tämänlajinen luettelo voi olla; lukijat hylkäävät sen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ei voi lukea</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nimi, joka ei ole kelvollista UTF-8:aa (lukijat ohittavat)</numerusform>
            <numerusform>%n nimeä, jotka eivät ole kelvollista UTF-8:aa (lukijat ohittavat)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n kaupunki ilman nimeä tai maata tai sallitun alueen ulkopuolella (lukija ohittaa)</numerusform>
            <numerusform>%n kaupunkia ilman nimeä tai maata tai sallitun alueen ulkopuolella (lukija ohittaa)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n tietue, jonka koordinaatit eivät ole äärellisiä (lukijat ohittavat)</numerusform>
            <numerusform>%n tietuetta, joiden koordinaatit eivät ole äärellisiä (lukijat ohittavat)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n tietue, jonka rektaskensio on välin [0, 360) tai deklinaatio välin [-90, 90] astetta ulkopuolella</numerusform>
            <numerusform>%n tietuetta, joiden rektaskensio on välin [0, 360) tai deklinaatio välin [-90, 90] astetta ulkopuolella</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nimi ilman päättävää nollatavua</numerusform>
            <numerusform>%n nimeä ilman päättävää nollatavua</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: ei voi avata (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: virheellinen JSON tavun %2 kohdalla (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: ei JSON-objekti</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: ei voi lukea</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (katso halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vaatii tiedoston</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vaatii kansion</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities vaatii --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities vaatii --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: ei voi kirjoittaa: ”%1”</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: ei voi kirjoittaa: ”%1”</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: liikeantureita ei voi lukea</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: ei voi lukea: %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 on liian suuri</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 ei ole tunnetun version kaupunkitiedosto</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 ei sisällä yhtään kaupunkia</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: tiedostossa %1Cities.dat ei ole sen nimistä kaupunkia, saatiin ”%2”</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: ei sen nimistä tähteä, kohdetta, tähdistöä tai planeettaa, saatiin ”%1”</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: komeettojen tai asteroidien rataelementtejä ei ole ladattu (--minor-bodies FILE), saatiin ”%1”</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>ei rataelementtijoukkoa</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: ei sen nimistä satelliittia, saatiin ”%1”</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: ei sen nimistä satelliittia (ei --satellites-tiedostoa), saatiin ”%1”</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: ei sen nimistä tähteä, kohdetta, tähdistöä tai planeettaa, saatiin ”%1”</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, saatiin %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>odotettiin kansiota</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>odotettiin WxH, sivut 16–8192 pikseliä</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>odotettiin pikselisuhdetta 1–4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>odotettiin asteiden määrää</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>odotettiin äärellistä asteiden määrää</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>odotettiin -90–90 astetta</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>odotettiin -360–360 astetta</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>odotettiin UTC-aikaa YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>odotettiin north, east, south, west tai zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>odotettiin nimeä</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>odotettiin komeettojen tai pikkuplaneettojen rataelementtitiedostoa</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>odotettiin tiedostonimeä</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>odotettiin 1–10 päivää</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>odotettiin kokonaislukua askelia</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>odotettiin merkkijonoa kirjaimista l, r, u ja d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>odotettiin X,Y pikseleinä</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>tuntematon valitsin %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>odottamaton argumentti %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view ja --goto: anna vain toinen</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city ja --longitude/--latitude: anna vain toinen</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here ja --city tai --longitude/--latitude: anna vain yksi</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: vain valitsimen --passes kanssa</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: pisteen on oltava %1x%2-kartalla, saatiin %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>su</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>ti</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>ke</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>to</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>pe</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>la</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>PKO</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>KO</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>IKO</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>IKA</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>KA</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>EKA</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>ELO</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>LO</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>LLO</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>LLU</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>LU</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>PLU</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Kieli:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Uusi kieli tulee käyttöön seuraavalla käynnistyskerralla.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>odotettiin yhtä näistä: %1</translation>
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
        <translation>käyttö: halvane-render [valitsimet]
  --data DIR        kansio, jossa Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (oletus: ohjelman vieressä, muuten ../share/halvane,
                    muuten XDG:n datakansiot)
  --size WxH        kartan koko pikseleinä (oletus 240x294)
  --scale R         laitteen pikseleitä kartan pikseliä kohti, 1–4, kuten
                    HiDPI-näytöllä; PNG on R-kertainen (oletus 1)
  --longitude DEG   asteina, länteen positiivinen  } oletus: Config.dat data-
  --latitude DEG    asteina, pohjoiseen positiivinen } kansiossa, muuten sisäiset
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (oletus: nyt)
  --view DIR        north, east, south, west tai zenith (oletus: zenith)
  --goto NAME       suuntaa tähteen, kohteeseen, tähdistöön tai planeettaan nimellä
  --minor-bodies FILE
                    komeettojen (CometEls.txt) tai pikkuplaneettojen (MPCORB)
                    rataelementit näytettäviksi, haettaviksi ja kuvattaviksi;
                    voi toistaa
  --city NAME       havaitse Cities.dat-tiedoston kaupungista (&quot;Tokyo&quot;,
                    &quot;Paris, FR&quot;)
  --here            havaitse paikasta, jonka sijaintilähde antaa (30 s:n
                    kuluessa; 0,01 asteen tarkkuudella, ellei Config.dat
                    säilytä sitä tarkkana)
  --position-source nmea:SOURCE
                    NMEA-virta: sarjalaite, tiedosto tai HOST:PORT
                    (oletus: Config.dat:n, muuten järjestelmän
                    sijaintipalvelu)
  --zoom N          N lähennysaskelta 90 asteesta; negatiivinen: loitonnus
  --rotate N        N 15 asteen askelta myötäpäivään; negatiivinen: vastapäivään
  --pan KEYS        nuolinäppäinaskeleet, merkkijono kirjaimista l, r, u, d,
                    järjestyksessä
  --layers LIST     pilkuin erotettu osajoukko: equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, tai none (oletus: Config.dat:n, muuten
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         hetken näennäiset paikat refraktion kanssa (kuten Näytä-
                    valikon Tarkat sijainnit)
  --tap X,Y         tunnista kohde tässä pikselissä ja kirjoita sen nimi
  --language CODE   nimet, paneelit ja päivämäärät tällä kielellä (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); tällöin --info ja
                    --tonight tulostavat paneelin ja Tänä yönä -luettelon rivit sillä
                    key: value -rivien sijaan
  --out FILE        kirjoita kartta PNG-kuvaksi
  --trace FILE      kirjoita jokainen piirto-operaatio, yksi riville (&quot;-&quot;: stdout)
  --bodies          tulosta Aurinko, Kuu ja planeetat, yksi riville: nimi,
                    RA tunteina ja Dec asteina (J2000, topsentrinen), korkeus
                    ja atsimuutti asteina piirrettyinä, magnitudi, läpimitta
                    kaarisekunteina, valaistu osuus
  --info NAME       tulosta, mitä tietopaneeli kertoo kohteesta, yksi
                    key: value riville (ajat ISO 8601 paikallisina, kulmat
                    asteina ja tunteina; komeetalle tai asteroidille myös
                    r_au, delta_au, phase_angle ja rataelementtien epookki)
  --tonight         tulosta Tänä yönä -luettelo samoin: auringonlasku, hämärä,
                    Kuu, jokainen planeetta
  --satellites FILE satelliittien rataelementit (TLE, 3LE tai OMM CSV-, JSON-
                    tai XML-muodossa): satelliittitaso piirtää ne, --info ja
                    --tap tuntevat ne
  --passes NAME     tulosta satelliitin ylilennot, yksi riville: pass START AZ
                    ALT MAX AZ ALT END AZ ALT MAG VISIBLE (ajat ISO 8601 UTC,
                    alku ja loppu 0 asteen geometrisessa korkeudessa, MAG &apos;-&apos;
                    jos tuntematon, visible tai unseen)
  --days N          ylilennot N päivän ajalta (1–10) annetusta ajasta; oletus:
                    tuleva yö seuraavaan paikalliseen keskipäivään asti
  --night           punaista mustalla, kuten yönäkö näyttää
  --caption         ikkunan otsikko: annettu aika paikan lähimmän, enintään
                    100 km:n päässä olevan kaupungin vyöhykkeellä (muuten
                    laitteen), ja tähtien raja
  --sensors         suuntaa sinne, minne laite osoittaa, sen kiihtyvyysanturin
                    ja magnetometrin mukaan (HALVANE_IIO_DEVICES nimeää toisen
                    sysfs-kansion), ja tulosta &apos;aim azimuth A altitude H roll R&apos;
                    asteina, todellisesta pohjoisesta

Jäljessä on yksi piirto-operaatio riville piirtojärjestyksessä; koordinaatit
ovat kartan pikseleitä (left, top, right, bottom suorakulmioille), värit RRGGBB
heksadesimaalina:
  fill L T R B BRUSH          BRUSH: black, white tai gray
  pen RRGGBB                  seuraavien viivojen väri
  textcolor RRGGBB            seuraavan tekstin väri
  transparent                 teksti ilman taustaa tästä eteenpäin
  polyline N X1 Y1 ... XN YN  viiva N pisteen kautta
  text L T R B FLAGS &quot;TEXT&quot;   TEXT UTF-8:na suorakulmion sisällä, FLAGS
                              lukuna; \&quot; on lainausmerkki, \\ kenoviiva, \xNN
                              ohjausmerkin tai rikkinäisen UTF-8:n tavu NN
  blit X Y W H SX SY OP       W x H -kuva kohdasta (SX, SY) spritearkista
                              tai puskurista kohtaan (X, Y); OP: copy tai or
Viesteissä toistetut argumentit ja tiedostojen sisällöt koodataan samoin ja
katkaistaan merkinnällä &quot;...&quot; 120 tavun jälkeen.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Kompassin poikkeama on välillä -180–180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>odotettiin none tai luetteloa näistä: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n vioittunut tietue (lukija ohittaa)</numerusform>
            <numerusform>%n vioittunutta tietuetta (lukija ohittaa)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: ei sijaintia siihen aikaan kohteelle ”%2”</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (katso halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>tuntematon valitsin ”%1”</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vaatii tiedoston</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vaatii kansion</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build vaatii --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build vaatii --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>tuntematon laji ”%1”</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info ottaa yhden tiedoston</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info vaatii tiedoston</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>tuntematon komento ”%1”</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>käyttö: halvane-catalog build --source DIR --out DIR [--names FILE]
        halvane-catalog build-cities --source FILE --out DIR
        halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind vaatii yhden arvoista %1</translation>
    </message>
</context>
</TS>
