<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>spiraalstelsel</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>lensvormig stelsel</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>sferoïdaal dwergstelsel</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>elliptisch stelsel</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>onregelmatig stelsel</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>sterrenstelsel</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>cluster van sterrenstelsels</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>open sterrenhoop</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>bolvormige sterrenhoop</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>heldere nevel</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>emissienevel</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>reflectienevel</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>stervormingsgebied</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>planetaire nevel</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>donkere nevel</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>supernovarest</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>sterren %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>de Zon</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>de Maan</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>dwergplaneet</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeet</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Nog geen baanelementen van kometen of planetoïden: ‘Kometen en planetoïden bijwerken’ haalt ze op</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>planetoïde</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>komeet</translation>
    </message>
    <message>
        <source>star</source>
        <translation>ster</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>deep-sky-object</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>sterrenbeeld</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterisme</translation>
    </message>
    <message>
        <source>object</source>
        <translation>object</translation>
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
        <translation>; culminatie %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Nu boven de horizon; gaat hier nooit onder</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Nu boven de horizon; gaat binnen 24 uur niet onder</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Onder de horizon: komt hier nooit op</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Onder de horizon: komt binnen 24 uur niet op</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>komt op om %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>culminatie %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>gaat onder om %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Nu boven de horizon; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Onder de horizon: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>nieuwe maan</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>volle maan</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>eerste kwartier</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>laatste kwartier</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>wassende sikkel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>afnemende sikkel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>wassende maan</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>afnemende maan</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messier-object</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitude %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, in %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Grootte %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Ook %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Hoogte %1°, azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RK %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RK %1, Dec %2 (van de datum)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Afstand %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, grootte %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, grootte %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fase: %1, %2 % verlicht</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 AE van de Zon, %2 AE van de Aarde</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° van de Zon</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Baanelementen van %1, %2 dagen oud</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: de plaats kan boogminuten afwijken</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Kleurindex B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satelliet %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Hoogte %1°, azimut %2°, op %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>In de schaduw van de Aarde</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Door de zon beschenen</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Geen positie: de baanelementen geven er geen meer</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: posities kunnen minuten afwijken</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Volgende zichtbare overgang: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Geen zichtbare overgang in de komende 10 dagen</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 tot %3 op %4° tot %5 %6, zichtbaar</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 tot %3 op %4° tot %5 %6, niet zichtbaar</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>de hele nacht boven de horizon</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>de hele nacht boven de horizon, bij een lichte hemel</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>vannacht niet boven de horizon</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>opkomst %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>ondergang %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Vannacht, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Vannacht in %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>De Zon gaat niet onder</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>De Zon komt niet op</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Zonsondergang %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>burgerlijk %1</translation>
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
        <translation>Einde schemering: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; geen volledige duisternis</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>De hele nacht donker</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Vannacht geen volledige duisternis</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Ochtendschemering: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Zonsopkomst %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Maan: %1, %2 (%3 % verlicht)</translation>
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
        <translation>%1: magnitude %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Vannacht geen donkere uren voor deep-sky</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitude %2, hoogst %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitude %3, hoogst %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Waarnemingsplaats: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Lengte:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>O|W</translation>
    </message>
    <message>
        <source>or</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|Z</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Stad:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Locatie gebruiken</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Waarnemingstijd: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Systeemtijd gebruiken</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>D</translation>
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
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Kompasafwijking:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>groter dan %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>geen antwoord binnen %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>de server antwoordde %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>de download brak af na %1 van %2 bytes</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>kan %1 niet aanmaken</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>kan %1 niet laden: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>geen details</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>de downloadmodule %1 is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>%1 ophalen…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>%1 ophalen: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; 24 uur niet opnieuw gevraagd</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; de oude baanelementen blijven behouden</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 is door de server geweigerd; niet opnieuw gevraagd vóór %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 is minder dan 2 uur geleden opgehaald; opnieuw na %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Bedoelde u %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Een ster, planeet of object zoeken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>versnellingsmeter</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetometer</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>gyroscoop</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>De bewegingssensoren in %1 kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>De meetwaarden van de versnellingsmeter zijn niet plausibel (misschien klopt de schaal niet).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>De meetwaarden van de magnetometer zijn niet plausibel (misschien klopt de schaal niet).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>De schaal van de %1 is geen bruikbaar getal.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>De montagematrix van de %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Geen %1 gevonden in %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mrt</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dec</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zon</translation>
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
        <translation>geen positiebepaling binnen %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 is geen leesbaar serieel apparaat</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan %1 niet lezen</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>de stroom stuurde binnen %1 s geen NMEA-zin</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>de NMEA-stroom is mislukt: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: vereist een serieel apparaat, een bestand of host:poort</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>serieel apparaat bestaat niet: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>NMEA-bestand bestaat niet: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>verwacht nmea:APPARAAT, nmea:BESTAND of nmea:HOST:POORT, kreeg ‘%1’</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>de positiemodule %1 is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Navigatievak</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Uren lopen van 0 tot 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuten lopen van 0 tot 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Seconden lopen van 0 tot 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Maanden lopen van 1 tot 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Jaren lopen van 1601 tot 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>De klokken slaan %1 over op %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Geen stad met de naam ‘%1’.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Meerdere steden heten ‘%1’: kies er een.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Nu: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, bij %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Uw locatie bepalen…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Geen locatie: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Uw locatie is ingevuld.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Waar bent u? Kies een stad of gebruik uw locatie</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>De plaats en tijd van de kaart</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Voer de graden, minuten en seconden van de lengte in.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Voer de graden, minuten en seconden van de breedte in.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Breedtes lopen van 0 tot 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>het antwoord bevat %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>het antwoord bevat baanelementen van de andere soort</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Satellieten bijwerken…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Kometen en planetoïden bijwerken…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satellieten bijgewerkt</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Kometen en planetoïden bijgewerkt</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 is groter dan 64 MB; niets geïmporteerd</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 bevat %2; niets geïmporteerd</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>%n satelliet geïmporteerd als %1</numerusform>
            <numerusform>%n satellieten geïmporteerd als %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>%n komeet of planetoïde geïmporteerd als %1</numerusform>
            <numerusform>%n kometen en planetoïden geïmporteerd als %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Baanelementen importeren</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Vannacht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Equatoriaal raster</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Horizontaal raster</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Sterrenbeeldlijnen</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Sterrenbeeldgrenzen</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Zonnestelsel</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Namen van sterrenbeelden</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Sterrennamen</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Grond</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Daglicht</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ecliptica</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Deep-sky</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Melkweg</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Kometen en planetoïden</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Nachtzicht</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Zoom herstellen (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Met de klok mee draaien</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Tegen de klok in draaien</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Nauwkeurige posities</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Naar de hemel richten</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ga naar</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Sterrenbeeld</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Vannacht...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Satellieten bijwerken</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Kometen en planetoïden bijwerken</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Baanelementen importeren...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Wekelijks bijwerken</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Instellingen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Geen locatie: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Plaats: %1 (te wijzigen in Instellingen)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>de map kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>De instellingen konden niet worden opgeslagen in
%1
(%2).

Maak ruimte vrij of maak de map beschrijfbaar en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Sluiten zonder opslaan</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurius</translation>
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
        <translation>geen bruikbare baanelementen erin</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>regel %1: meer dan %2 hemellichamen, de rest weggelaten</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>geen regel van een komeet of kleine planeet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>geen baanelementen van kometen of kleine planeten</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>geen geldige JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>geen geldige XML: %1 bij byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>geen sets baanelementen gevonden</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>geen bruikbare set baanelementen (%n overgeslagen)</numerusform>
            <numerusform>geen bruikbare set baanelementen (%n overgeslagen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 is geen bestand met baanelementen (te groot)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satelliet %1: de baanelementen geven geen baan (modelfout %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>regel %1: regel 2 van de set ontbreekt</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>regel %1: regel 1 van de set ontbreekt</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>kan niet luisteren op %1: %2; latere starts vinden dit venster niet</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>de runtimemap %1 is niet privé voor deze gebruiker; geen eigen map gevonden</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>de runtimemap %1 is niet privé voor deze gebruiker; %2 wordt gebruikt</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>geen eigen map van deze gebruiker voor de controle op één instantie (halvane-%1 in de tijdelijke map is van iemand anders); start zonder</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>de naam van de socket voor één instantie is te lang (%1); start zonder de controle</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>kan %1 niet vergrendelen: %2; start zonder de controle op één instantie</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>op %1 zit de server van een andere gebruiker terwijl een Halvane van deze sessie de vergrendeling heeft; er wordt niet aangeklopt</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>een Halvane van deze sessie heeft %1 maar antwoordt niet</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: waarde ontbreekt</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>kan niet worden geopend (ontbreekt, geen gewoon bestand of onleesbaar)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kan niet worden geopend (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>slechts %n byte, korter dan de header van 12 bytes</numerusform>
            <numerusform>slechts %n bytes, korter dan de header van 12 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>de header kan niet worden gelezen</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>onbekende soort catalogus (tag en bestandsnaam onbekend); geef er een op met --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>header geweigerd door %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte van een onvolledig record aan het eind (door lezers genegeerd)</numerusform>
            <numerusform>%n bytes van een onvolledig record aan het eind (door lezers genegeerd)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>groter dan een catalogus van deze soort mag zijn; lezers weigeren hem</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n naam die geen geldige UTF-8 is (door lezers overgeslagen)</numerusform>
            <numerusform>%n namen die geen geldige UTF-8 zijn (door lezers overgeslagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n stad zonder naam of land, of buiten bereik (door de lezer overgeslagen)</numerusform>
            <numerusform>%n steden zonder naam of land, of buiten bereik (door de lezer overgeslagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n record met niet-eindige coördinaten (door lezers overgeslagen)</numerusform>
            <numerusform>%n records met niet-eindige coördinaten (door lezers overgeslagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n record met rechte klimming buiten [0, 360) of declinatie buiten [-90, 90] graden</numerusform>
            <numerusform>%n records met rechte klimming buiten [0, 360) of declinatie buiten [-90, 90] graden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n naam zonder afsluitende nulbyte</numerusform>
            <numerusform>%n namen zonder afsluitende nulbyte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: kan niet openen (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: geen geldige JSON bij byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: geen JSON-object</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (zie halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vereist een bestand</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vereist een map</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities vereist --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities vereist --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: kan ‘%1’ niet schrijven</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: kan ‘%1’ niet schrijven</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: de bewegingssensoren kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 is te groot</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 is geen stedenbestand van een bekende versie</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 bevat geen stad</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: geen stad met die naam in %1Cities.dat, kreeg ‘%2’</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: geen ster, object, sterrenbeeld of planeet met die naam, kreeg ‘%1’</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: geen baanelementen van kometen of planetoïden geladen (--minor-bodies FILE), kreeg ‘%1’</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>geen set baanelementen</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: geen satelliet met die naam, kreeg ‘%1’</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: geen satelliet met die naam (geen --satellites-bestand), kreeg ‘%1’</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: geen ster, object, sterrenbeeld of planeet met die naam, kreeg ‘%1’</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, kreeg %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>verwacht een map</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>verwacht BxH met zijden van 16 tot 8192 pixels</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>verwacht een pixelverhouding van 1 tot 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>verwacht een aantal graden</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>verwacht een eindig aantal graden</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>verwacht -90 tot 90 graden</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>verwacht -360 tot 360 graden</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>verwacht een UTC-tijd YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>verwacht north, east, south, west of zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>verwacht een naam</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>verwacht een bestand met baanelementen van kometen of kleine planeten</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>verwacht een bestandsnaam</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>verwacht 1 tot 10 dagen</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>verwacht een geheel aantal stappen</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>verwacht een reeks van l, r, u en d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>verwacht X,Y in pixels</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view en --goto: geef er maar één op</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city en --longitude/--latitude: geef er maar één op</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here en --city of --longitude/--latitude: geef er maar één op</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: alleen met --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: het punt moet op de kaart van %1x%2 liggen, kreeg %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>zo</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>di</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>wo</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>do</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>vr</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>za</translation>
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
        <translation>OZO</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>ZO</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>ZZO</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>ZZW</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>ZW</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>WZW</translation>
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
        <translation>Taal:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Een nieuwe taal geldt vanaf de volgende start.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>verwacht een van %1</translation>
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
        <translation>gebruik: halvane-render [options]
  --data DIR        map met Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (standaard: naast het programma, anders ../share/halvane,
                    anders de XDG-gegevensmappen)
  --size WxH        kaartgrootte in pixels (standaard 240x294)
  --scale R         apparaatpixels per kaartpixel, 1 tot 4, zoals op een HiDPI-scherm;
                    de PNG is R keer zo groot (standaard 1)
  --longitude DEG   graden, positief naar het westen } standaard: Config.dat in de
  --latitude DEG    graden, positief naar het noorden } gegevensmap, anders de ingebouwde waarden
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (standaard: nu)
  --view DIR        north, east, south, west of zenith (standaard: zenith)
  --goto NAME       richten op een ster, object, sterrenbeeld of planeet op naam
  --minor-bodies FILE
                    baanelementen van kometen (CometEls.txt) of kleine planeten (MPCORB)
                    om te tonen, te zoeken en te beschrijven; herhaalbaar
  --city NAME       waarnemen vanuit een stad uit Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            waarnemen vanaf de positie die de positiebron geeft (binnen
                    30 s; op 0,01 graad tenzij Config.dat hem exact bewaart)
  --position-source nmea:SOURCE
                    een NMEA-stroom: een serieel apparaat, een bestand of HOST:PORT
                    (standaard: die uit Config.dat, anders de locatiedienst van het systeem)
  --zoom N          N inzoomstappen vanaf 90 graden; negatief: uitzoomstappen
  --rotate N        N stappen van 15 graden met de klok mee; negatief: tegen de klok in
  --pan KEYS        pijltoetsstappen, een reeks van l, r, u, d, op volgorde toegepast
  --layers LIST     kommagescheiden deelverzameling van equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, of none (standaard: die uit Config.dat, anders horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         schijnbare posities van de datum, met refractie (zoals
                    Nauwkeurige posities in het menu Weergave)
  --tap X,Y         het object op deze pixel bepalen en de naam ervan schrijven
  --language CODE   namen, panelen en datums in deze taal (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info en
                    --tonight schrijven dan de regels van het paneel en van ‘Vannacht’ in die taal
                    in plaats van hun key: value-regels
  --out FILE        de kaart als PNG schrijven
  --trace FILE      elke tekenbewerking schrijven, één per regel (&quot;-&quot;: stdout)
  --bodies          de Zon, de Maan en de planeten afdrukken, één per regel: naam,
                    RK in uren en Dec in graden (J2000, topocentrisch), hoogte en
                    azimut in graden zoals getekend, magnitude, diameter in
                    boogseconden, verlichte fractie
  --info NAME       afdrukken wat het informatiepaneel over een object zegt, één
                    sleutel: waarde per regel (tijden ISO 8601 lokaal, hoeken in graden en
                    uren; bij een komeet of planetoïde ook r_au, delta_au,
                    phase_angle en het epoch van de baanelementen)
  --tonight         de lijst Vannacht op dezelfde manier afdrukken: zonsondergang,
                    schemering, de Maan, elke planeet
  --satellites FILE baanelementen van satellieten (TLE, 3LE of OMM als CSV, JSON of XML):
                    getekend door de satellietlaag, bekend bij --info en --tap
  --passes NAME     de overgangen van de satelliet afdrukken, één per regel: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (tijden ISO 8601 UTC, begin
                    en einde op 0 graden geometrische hoogte, MAG &apos;-&apos; als
                    onbekend, visible of unseen)
  --days N          overgangen over N dagen (1 tot 10) vanaf de tijd; standaard: de
                    komende nacht, tot de volgende lokale middag
  --night           rood op zwart, zoals nachtzicht het toont
  --caption         de venstertitel: de gegeven tijd, in de tijdzone van de dichtstbijzijnde stad
                    binnen 100 km (anders die van het apparaat), en de grensmagnitude
  --sensors         richten waar het apparaat naar wijst, volgens de versnellingsmeter en
                    magnetometer (HALVANE_IIO_DEVICES noemt een andere sysfs-map), en
                    &apos;aim azimuth A altitude H roll R&apos; in graden afdrukken, geografisch noorden

De trace bevat één tekenbewerking per regel, in tekenvolgorde; coördinaten zijn
kaartpixels (links, boven, rechts, onder bij rechthoeken), kleuren RRGGBB hexadecimaal:
  fill L T R B BRUSH          BRUSH: black, white of gray
  pen RRGGBB                  kleur van de lijnen die volgen
  textcolor RRGGBB            kleur van de tekst die volgt
  transparent                 tekst zonder achtergrond vanaf hier
  polyline N X1 Y1 ... XN YN  een lijn door N punten
  text L T R B FLAGS &quot;TEXT&quot;   TEXT in UTF-8 binnen de rechthoek, FLAGS als
                              getal; \&quot; is een aanhalingsteken, \\ een backslash, \xNN de
                              byte NN van een stuurteken of kapotte UTF-8
  blit X Y W H SX SY OP       een afbeelding van W x H vanaf (SX, SY) van een sprite sheet
                              of buffer naar (X, Y); OP: copy of or
Argumenten en bestandsinhoud in meldingen worden op dezelfde manier geëscaped en
na 120 bytes afgekapt met &quot;...&quot;.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>De kompasafwijking loopt van -180 tot 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>verwacht none of een lijst uit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n beschadigd record (door de lezer overgeslagen)</numerusform>
            <numerusform>%n beschadigde records (door de lezer overgeslagen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: geen positie op dat moment voor ‘%2’</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (zie halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vereist een bestand</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vereist een map</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build vereist --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build vereist --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>onbekende soort ‘%1’</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info neemt één bestand</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info vereist een bestand</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>gebruik: halvane-catalog build --source DIR --out DIR [--names FILE]
          halvane-catalog build-cities --source FILE --out DIR
          halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind vereist een van de waarden %1</translation>
    </message>
</context>
</TS>
