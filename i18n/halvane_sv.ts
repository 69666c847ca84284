<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>spiralgalax</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>linsformad galax</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>sfäroidal dvärggalax</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>elliptisk galax</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>irreguljär galax</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galax</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>galaxhop</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>öppen stjärnhop</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>klotformig stjärnhop</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>ljus nebulosa</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>emissionsnebulosa</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>reflektionsnebulosa</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>stjärnbildningsområde</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>planetarisk nebulosa</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>mörk nebulosa</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>supernovarest</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>stjärnor %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Solen</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Månen</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>dvärgplanet</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planet</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Inga banelement för kometer eller asteroider ännu: ”Uppdatera kometer och asteroider” hämtar dem</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>asteroid</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>komet</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stjärna</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>deep sky-objekt</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>stjärnbild</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterism</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objekt</translation>
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
        <translation>; kulmination %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Ovanför horisonten; går aldrig ned här</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Ovanför horisonten; går inte ned inom 24 timmar</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Under horisonten: går aldrig upp här</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Under horisonten: går inte upp inom 24 timmar</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>går upp %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>kulmination %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>går ned %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Ovanför horisonten; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Under horisonten: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>nymåne</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>fullmåne</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>första kvarter</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>sista kvarter</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>tilltagande skära</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>avtagande skära</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>tilltagande gibbös</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>avtagande gibbös</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messierobjekt</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitud %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, i %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Storlek %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Även %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Höjd %1°, azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RA %1, Dek %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RA %1, Dek %2 (datumets)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Avstånd %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, storlek %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, storlek %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fas: %1, %2 % belyst</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 AE från Solen, %2 AE från Jorden</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° från Solen</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Banelement från %1, %2 dagar gamla</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: positionen kan avvika med bågminuter</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Färgindex B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satellit %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Höjd %1°, azimut %2°, %3 km bort</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>I jordskuggan</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Solbelyst</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Ingen position: banelementen ger ingen längre</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: positionerna kan avvika med minuter</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Nästa synliga passage: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Ingen synlig passage de närmaste 10 dagarna</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 till %3 på %4° till %5 %6, synlig</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 till %3 på %4° till %5 %6, osynlig</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>uppe hela natten</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>uppe hela natten, på ljus himmel</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>inte uppe i natt</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>upp %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>ned %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>I natt, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>I natt i %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Solen går inte ned</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Solen går inte upp</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Solnedgång %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>borgerlig %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>nautisk %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomisk %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Skymningen slutar: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; inget fullt mörker</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Mörkt hela natten</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Inget fullt mörker i natt</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Gryning: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Soluppgång %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Månen: %1, %2 (%3 % belyst)</translation>
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
        <translation>%1: magnitud %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Inga mörka timmar för deep sky i natt</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitud %2, högst %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitud %3, högst %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Observationsplats: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>O|V</translation>
    </message>
    <message>
        <source>or</source>
        <translation>eller</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Stad:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Använd min position</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Observationstid: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Använd systemtid</translation>
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
        <translation>Å</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tid:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Kompassavvikelse:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>större än %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>inget svar inom %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>servern svarade %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>nedladdningen avbröts efter %1 av %2 byte</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>kan inte skapa %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>kan inte skriva %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>kan inte läsa in %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>ingen uppgift</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>nedladdningsmodulen %1 är inte installerad</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Hämtar %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Hämtar %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; frågar inte igen på 24 timmar</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; de gamla banelementen behålls</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 avvisades av servern; frågar inte igen före %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 hämtades för mindre än 2 timmar sedan; igen efter %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>hittades inte</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Menade du %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Sök en stjärna, planet eller ett objekt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>accelerometer</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetometer</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>gyroskop</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Rörelsesensorerna i %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Accelerometerns mätvärden är inte rimliga (dess skala kan vara fel).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Magnetometerns mätvärden är inte rimliga (dess skala kan vara fel).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Skalan för %1 är inget användbart tal.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Monteringsmatrisen för %1 kan inte läsas.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>%1 hittades inte i %2.</translation>
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
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
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
        <translation>Solen</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>i morgon %1</translation>
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
        <translation>ingen positionsbestämning inom %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 är ingen seriell enhet som kan läsas</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan inte läsas</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>kan inte läsa %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>strömmen skickade ingen NMEA-mening inom %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>NMEA-strömmen misslyckades: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: kräver en seriell enhet, en fil eller värd:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>ingen sådan seriell enhet: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>ingen sådan NMEA-fil: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>väntade nmea:ENHET, nmea:FIL eller nmea:VÄRD:PORT, fick ”%1”</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>positionsmodulen %1 är inte installerad</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Meny</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Navigeringsruta</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Ange ett heltal.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Timmar går från 0 till 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuter går från 0 till 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Sekunder går från 0 till 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Månader går från 1 till 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>År går från 1601 till 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Datumet %1 finns inte.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Klockorna hoppar över %1 den %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Ingen stad heter ”%1”.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Flera städer heter ”%1”: välj en.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Nu: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, nära %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Söker din position…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Ingen position: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Din position är ifylld.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Var är du? Välj en stad eller använd din position</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Kartans plats och tid</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Ange longitudens grader, minuter och sekunder.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Ange latitudens grader, minuter och sekunder.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Latituder går från 0 till 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>svaret innehåller %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>svaret innehåller banelement av det andra slaget</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Uppdaterar satelliter…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Uppdaterar kometer och asteroider…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satelliter uppdaterade</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Kometer och asteroider uppdaterade</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan inte läsa %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 är större än 64 MB; inget importerat</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 innehåller %2; inget importerat</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Importerade %n satellit som %1</numerusform>
            <numerusform>Importerade %n satelliter som %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Importerade %n komet eller asteroid som %1</numerusform>
            <numerusform>Importerade %n kometer och asteroider som %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importera banelement</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>I natt</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Ekvatoriellt rutnät</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Horisontellt rutnät</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Stjärnbildslinjer</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Stjärnbildsgränser</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Solsystemet</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Stjärnbildsnamn</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Stjärnnamn</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Dagsljus</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ekliptikan</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Deep sky</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Vintergatan</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Kometer och asteroider</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliter</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Mörkerseende</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Återställ zoom (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Rotera medurs</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Rotera moturs</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Exakta positioner</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Rikta mot himlen</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gå till</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Stjärnbild</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Öster</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norr</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Söder</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Väster</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Sök...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>I natt...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Uppdatera satelliter</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Uppdatera kometer och asteroider</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importera banelement...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Uppdatera varje vecka</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Inställningar...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Ingen position: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Plats: %1 (ändras i Inställningar)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>mappen kan inte skapas</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Inställningarna kunde inte sparas i
%1
(%2).

Frigör utrymme eller gör mappen skrivbar och försök sedan igen.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Stäng utan att spara</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Månen</translation>
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
        <translation>inga användbara banelement i den</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>rad %1: fler än %2 kroppar, resten utelämnas</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>ingen rad för en komet eller småplanet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>inga banelement för kometer eller småplaneter</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>ogiltig JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>ogiltig XML: %1 vid byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>filen är tom</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>inga uppsättningar banelement hittades</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>ingen användbar uppsättning banelement (%n överhoppad)</numerusform>
            <numerusform>ingen användbar uppsättning banelement (%n överhoppade)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 är ingen fil med banelement (för stor)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satellit %1: banelementen ger ingen bana (modellfel %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>rad %1: rad 2 i uppsättningen saknas</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>rad %1: rad 1 i uppsättningen saknas</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>kan inte lyssna på %1: %2; senare starter hittar inte detta fönster</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>körtidsmappen %1 är inte privat för denna användare; ingen egen mapp hittades</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>körtidsmappen %1 är inte privat för denna användare; använder %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>ingen egen mapp för denna användare för kontrollen av en enda instans (halvane-%1 i den tillfälliga mappen tillhör någon annan); startar utan den</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>namnet på sockeln för en enda instans är för långt (%1); startar utan kontrollen</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>kan inte låsa %1: %2; startar utan kontrollen av en enda instans</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>en annan användares server finns på %1 medan en Halvane i denna session håller låset; knackar inte på</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>en Halvane i denna session håller %1 men svarar inte</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: värde saknas</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänt alternativ ”%1”</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>kan inte öppnas (saknas, är ingen vanlig fil eller är oläsbar)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kan inte öppnas (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>bara %n byte, kortare än huvudet på 12 byte</numerusform>
            <numerusform>bara %n byte, kortare än huvudet på 12 byte</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>huvudet kan inte läsas</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>okänd katalogtyp (tagg och filnamn okända); ange en med --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>huvudet avvisades av %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte av en ofullständig post i slutet (ignoreras av läsare)</numerusform>
            <numerusform>%n byte av en ofullständig post i slutet (ignoreras av läsare)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>större än någon katalog av detta slag kan vara; läsare vägrar den</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan inte läsas</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n namn som inte är giltig UTF-8 (hoppas över av läsare)</numerusform>
            <numerusform>%n namn som inte är giltig UTF-8 (hoppas över av läsare)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n stad utan namn eller land, eller utanför intervallet (hoppas över av läsaren)</numerusform>
            <numerusform>%n städer utan namn eller land, eller utanför intervallet (hoppas över av läsaren)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n post med koordinater som inte är ändliga (hoppas över av läsare)</numerusform>
            <numerusform>%n poster med koordinater som inte är ändliga (hoppas över av läsare)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n post med rektascension utanför [0, 360) eller deklination utanför [-90, 90] grader</numerusform>
            <numerusform>%n poster med rektascension utanför [0, 360) eller deklination utanför [-90, 90] grader</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n namn utan avslutande nollbyte</numerusform>
            <numerusform>%n namn utan avslutande nollbyte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: kan inte öppnas (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: ogiltig JSON vid byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: inget JSON-objekt</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kan inte läsas</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (se halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 kräver en fil</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 kräver en mapp</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities kräver --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities kräver --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: kan inte skriva ”%1”</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: kan inte skriva ”%1”</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: rörelsesensorerna kan inte läsas</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: %1 kan inte läsas</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 är för stor</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 är ingen stadsfil av känd version</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 innehåller ingen stad</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: ingen stad med det namnet i %1Cities.dat, fick ”%2”</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: ingen stjärna, inget objekt, ingen stjärnbild eller planet med det namnet, fick ”%1”</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: inga banelement för kometer eller asteroider inlästa (--minor-bodies FILE), fick ”%1”</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>ingen uppsättning banelement</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: ingen satellit med det namnet, fick ”%1”</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: ingen satellit med det namnet (ingen --satellites-fil), fick ”%1”</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: ingen stjärna, inget objekt, ingen stjärnbild eller planet med det namnet, fick ”%1”</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, fick %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>väntade en mapp</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>väntade BxH med sidor från 16 till 8192 pixlar</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>väntade ett pixelförhållande från 1 till 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>väntade ett antal grader</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>väntade ett ändligt antal grader</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>väntade -90 till 90 grader</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>väntade -360 till 360 grader</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>väntade en UTC-tid YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>väntade north, east, south, west eller zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>väntade ett namn</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>väntade en fil med banelement för kometer eller småplaneter</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>väntade ett filnamn</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>väntade 1 till 10 dagar</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>väntade ett heltal steg</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>väntade en sträng av l, r, u och d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>väntade X,Y i pixlar</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>okänt alternativ %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>oväntat argument %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view och --goto: ange bara ett av dem</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city och --longitude/--latitude: ange bara ett av dem</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here och --city eller --longitude/--latitude: ange bara ett av dem</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: bara med --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: punkten måste ligga på kartan på %1x%2, fick %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>sön</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>mån</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>tis</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>ons</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>tor</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>fre</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>lör</translation>
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
        <translation>SSV</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>SV</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>VSV</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>VNV</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>NV</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>NNV</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Ett nytt språk gäller från nästa start.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>väntade ett av %1</translation>
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
        <translation>användning: halvane-render [options]
  --data DIR        mapp med Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (standard: bredvid programfilen, annars ../share/halvane,
                    annars XDG-datamapparna)
  --size WxH        kartans storlek i pixlar (standard 240x294)
  --scale R         enhetspixlar per kartpixel, 1 till 4, som på en HiDPI-skärm;
                    PNG-bilden är R gånger så stor (standard 1)
  --longitude DEG   grader, positivt västerut } standard: Config.dat i datamappen,
  --latitude DEG    grader, positivt norrut   } annars de inbyggda värdena
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (standard: nu)
  --view DIR        north, east, south, west eller zenith (standard: zenith)
  --goto NAME       rikta mot en stjärna, ett objekt, en stjärnbild eller planet efter namn
  --minor-bodies FILE
                    banelement för kometer (CometEls.txt) eller småplaneter (MPCORB) att
                    visa, söka och beskriva; kan upprepas
  --city NAME       observera från en stad i Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            observera från positionen som positionskällan ger (inom
                    30 s; på 0,01 grad när, om inte Config.dat sparar den exakt)
  --position-source nmea:SOURCE
                    en NMEA-ström: en seriell enhet, en fil eller HOST:PORT
                    (standard: den i Config.dat, annars systemets positionstjänst)
  --zoom N          N steg inzoomning från 90 grader; negativt: steg utzoomning
  --rotate N        N steg om 15 grader medurs; negativt: moturs
  --pan KEYS        piltangentssteg, en sträng av l, r, u, d, som tillämpas i ordning
  --layers LIST     kommaseparerad delmängd av equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, eller none (standard: den i Config.dat, annars horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         skenbara positioner för datumet, med refraktion (som
                    Exakta positioner i menyn Visa)
  --tap X,Y         identifiera objektet vid denna pixel och skriva ut dess namn
  --language CODE   namn, paneler och datum på detta språk (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info och
                    --tonight skriver då panelens och ”I natt”-listans rader på det
                    i stället för sina key: value-rader
  --out FILE        skriva kartan som PNG
  --trace FILE      skriva varje ritoperation, en per rad (&quot;-&quot;: stdout)
  --bodies          skriva ut Solen, Månen och planeterna, en per rad: namn,
                    RA i timmar och Dek i grader (J2000, topocentriskt), höjd och
                    azimut i grader som ritade, magnitud, diameter i bågsekunder,
                    belyst andel
  --info NAME       skriva ut vad informationspanelen säger om ett objekt, en
                    nyckel: värde per rad (tider ISO 8601 lokal tid, vinklar i grader och
                    timmar; för en komet eller asteroid även r_au, delta_au,
                    phase_angle och banelementens epok)
  --tonight         skriva ut listan I natt på samma sätt: solnedgång, skymning,
                    Månen, varje planet
  --satellites FILE satelliters banelement (TLE, 3LE eller OMM som CSV, JSON eller XML):
                    ritas av satellitlagret, kända för --info och --tap
  --passes NAME     skriva ut satellitens passager, en per rad: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (tider ISO 8601 UTC, start
                    och slut vid 0 graders geometrisk höjd, MAG &apos;-&apos; när
                    okänd, visible eller unseen)
  --days N          passager under N dagar (1 till 10) från tiden; standard: den
                    kommande natten, till nästa lokala middag
  --night           rött på svart, som mörkerseendet visar det
  --caption         fönstrets rubrik: den angivna tiden, i tidszonen för platsens närmaste
                    stad inom 100 km (annars enhetens), och stjärngränsen
  --sensors         rikta dit enheten pekar, enligt dess accelerometer och
                    magnetometer (HALVANE_IIO_DEVICES anger en annan sysfs-mapp), och
                    skriva ut &apos;aim azimuth A altitude H roll R&apos; i grader, geografisk nord

Spåret har en ritoperation per rad, i ritordning; koordinaterna är
kartpixlar (vänster, överkant, höger, nederkant för rektanglar), färger RRGGBB hexadecimalt:
  fill L T R B BRUSH          BRUSH: black, white eller gray
  pen RRGGBB                  färg på linjerna som följer
  textcolor RRGGBB            färg på texten som följer
  transparent                 text utan bakgrund härifrån
  polyline N X1 Y1 ... XN YN  en linje genom N punkter
  text L T R B FLAGS &quot;TEXT&quot;   TEXT i UTF-8 inom rektangeln, FLAGS som
                              tal; \&quot; är ett citattecken, \\ ett omvänt snedstreck, \xNN
                              byte NN i ett styrtecken eller trasig UTF-8
  blit X Y W H SX SY OP       en bild på W x H från (SX, SY) i ett spriteark
                              eller en buffert till (X, Y); OP: copy eller or
Argument och filinnehåll som återges i meddelanden skyddas på samma sätt och
kortas med &quot;...&quot; efter 120 byte.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Kompassavvikelsen går från -180 till 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>väntade none eller en lista av %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n skadad post (hoppas över av läsaren)</numerusform>
            <numerusform>%n skadade poster (hoppas över av läsaren)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: ingen position vid den tiden för ”%2”</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (se halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänt alternativ ”%1”</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 kräver en fil</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 kräver en mapp</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build kräver --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build kräver --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>okänd typ ”%1”</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info tar en fil</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info kräver en fil</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>okänt kommando ”%1”</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>användning: halvane-catalog build --source DIR --out DIR [--names FILE]
             halvane-catalog build-cities --source FILE --out DIR
             halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind kräver ett av värdena %1</translation>
    </message>
</context>
</TS>
