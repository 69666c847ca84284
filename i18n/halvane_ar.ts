<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>constellation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asterism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up all night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a planet, %2 its night
----------
%1 is a satellite, %2 its pass</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: magnitude %2, %3</source>
        <extracomment>%1 is a comet or asteroid, %2 its magnitude, %3 its night</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>date and time</comment>
        <extracomment>%1 day of the month, %2 month, %3 time of day</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>date</comment>
        <extracomment>%1 day of the week, %2 day of the month, %3 month, %4 year</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no element set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected none or a list of equatorial, horizontal, lines, boundaries, solar, constellation-names, star-names, ground, daylight, ecliptic, deep-sky, milky-way, satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind stars|lines|boundaries|labels|cities|deep-sky|milky-way|names]
</source>
        <extracomment>the command&apos;s words and options stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--kind needs stars, lines, boundaries, labels, cities, deep-sky, milky-way or names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
