<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>spirální galaxie</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>čočková galaxie</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>trpasličí sféroidální galaxie</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>eliptická galaxie</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>nepravidelná galaxie</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaxie</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>kupa galaxií</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>otevřená hvězdokupa</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>kulová hvězdokupa</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>světlá mlhovina</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>emisní mlhovina</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>reflexní mlhovina</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>oblast tvorby hvězd</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>planetární mlhovina</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>temná mlhovina</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>pozůstatek supernovy</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>hvězdy %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>trpasličí planeta</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Zatím žádné elementy komet a planetek: stáhne je „Aktualizovat komety a planetky“</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>planetka</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>kometa</translation>
    </message>
    <message>
        <source>star</source>
        <translation>hvězda</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>deep-sky objekt</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>souhvězdí</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterismus</translation>
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
        <translation>%1 au</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; kulminace %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Nad obzorem; zde nikdy nezapadá</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Nad obzorem; nezapadne během 24 hodin</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Pod obzorem: zde nikdy nevychází</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Pod obzorem: nevyjde během 24 hodin</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>východ v %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>kulminace %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>západ v %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Nad obzorem; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Pod obzorem: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>nov</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>úplněk</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>první čtvrť</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>poslední čtvrť</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>dorůstající srpek</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>ubývající srpek</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>dorůstající Měsíc</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>ubývající Měsíc</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>Messierův objekt</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnituda %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, v souhvězdí %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Velikost %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Další jména: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Výška %1°, azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RA %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RA %1, Dec %2 (k datu)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Vzdálenost %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, velikost %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, velikost %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fáze: %1, osvětleno %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 au od Slunce, %2 au od Země</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° od Slunce</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Elementy z %1, staré %2 dní</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: poloha se může lišit o úhlové minuty</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Barevný index B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>družice %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Výška %1°, azimut %2°, vzdálenost %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Ve stínu Země</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Osvětlená Sluncem</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Bez polohy: elementy ji už nedávají</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: časy se mohou lišit o minuty</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Příští viditelný přelet: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Žádný viditelný přelet v příštích 10 dnech</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 – %3 ve výšce %4° – %5 %6, viditelný</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 – %3 ve výšce %4° – %5 %6, neviditelný</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>nad obzorem celou noc</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>nad obzorem celou noc, na světlé obloze</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>dnes v noci nevychází</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>východ %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>západ %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Dnes v noci, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Dnes v noci: %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Slunce nezapadá</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Slunce nevychází</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Západ Slunce %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>občanský %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>nautický %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomický %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Konec soumraku: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; bez úplné tmy</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Tma celou noc</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Dnes v noci bez úplné tmy</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Svítání: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Východ Slunce %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Měsíc: %1, %2 (osvětleno %3 %)</translation>
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
        <translation>%1: magnituda %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Dnes v noci nejsou tmavé hodiny pro deep-sky</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnituda %2, kulminace %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnituda %3, kulminace %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Poloha pozorovatele: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Délka:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>V|Z</translation>
    </message>
    <message>
        <source>or</source>
        <translation>nebo</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Šířka:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>S|J</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Město:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Použít mou polohu</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Čas pozorování: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Použít systémový čas</translation>
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
        <translation>R</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Korekce kompasu:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>větší než %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>žádná odpověď do %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>server odpověděl %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>stahování se přerušilo po %1 z %2 bajtů</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>nelze vytvořit %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>nelze načíst %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>žádná položka</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>modul stahování %1 není nainstalován</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Stahuje se %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Stahuje se %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; znovu až za 24 hodin</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; ponechány staré elementy</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1: server odmítl; znovu nejdříve po %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 byl stažen před méně než 2 hodinami; znovu po %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nenalezeno</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Měli jste na mysli %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Najít hvězdu, planetu nebo objekt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>akcelerometr</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetometr</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>gyroskop</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Pohybová čidla v %1 nelze přečíst.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Údaje akcelerometru nejsou věrohodné (jeho měřítko může být chybné).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Údaje magnetometru nejsou věrohodné (jeho měřítko může být chybné).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Měřítko čidla „%1“ není použitelné číslo.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Matici uchycení čidla „%1“ nelze přečíst.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Čidlo „%1“ nebylo v %2 nalezeno.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>led</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>úno</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>bře</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>dub</translation>
    </message>
    <message>
        <source>May</source>
        <translation>kvě</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>čvn</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>čvc</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>srp</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>zář</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>říj</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>pro</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Slunce</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>zítra v %1</translation>
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
        <translation>poloha nezaměřena do %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 není sériové zařízení, ze kterého lze číst</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nelze přečíst</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nelze přečíst %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>proud neposlal do %1 s žádnou větu NMEA</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>proud NMEA selhal: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: vyžaduje sériové zařízení, soubor nebo host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>takové sériové zařízení neexistuje: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>takový soubor NMEA neexistuje: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>očekáváno nmea:DEVICE, nmea:FILE nebo nmea:HOST:PORT, zadáno „%1“</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>modul určování polohy %1 není nainstalován</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Nabídka</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Navigační pole</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Zadejte sem celé číslo.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Hodiny jsou od 0 do 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuty jsou od 0 do 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Sekundy jsou od 0 do 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Měsíce jsou od 1 do 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Roky jsou od 1601 do 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Datum %1 neexistuje.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Při změně času %2 hodiny přeskočí %1.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Žádné město „%1“ neexistuje.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Více měst se jmenuje „%1“: vyberte jedno.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Nyní: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, poblíž: %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Zjišťuje se poloha…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Žádná poloha: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Vaše poloha je vyplněna.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Kde jste? Vyberte město nebo použijte svou polohu</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Místo a čas mapy</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Zadejte stupně, minuty a sekundy zeměpisné délky.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Zadejte stupně, minuty a sekundy zeměpisné šířky.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Šířka je od 0 do 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>odpověď obsahuje %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>odpověď obsahuje elementy jiného druhu</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Aktualizují se družice…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Aktualizují se komety a planetky…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Družice aktualizovány</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Komety a planetky aktualizovány</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Nelze přečíst %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 je větší než 64 MB; nic nebylo importováno</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; nic nebylo importováno</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Importována %n družice jako %1</numerusform>
            <numerusform>Importovány %n družice jako %1</numerusform>
            <numerusform>Importováno %n družic jako %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Importováno komet a planetek: %n, jako %1</numerusform>
            <numerusform>Importováno komet a planetek: %n, jako %1</numerusform>
            <numerusform>Importováno komet a planetek: %n, jako %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importovat elementy</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Dnes v noci</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Rovníková síť</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Obzorníková síť</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Čáry souhvězdí</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Hranice souhvězdí</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Sluneční soustava</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Názvy souhvězdí</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Názvy hvězd</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Krajina</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Denní světlo</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ekliptika</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Deep-sky</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Mléčná dráha</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Komety a planetky</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Družice</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Noční režim</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Výchozí zvětšení (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Otočit po směru hodinových ručiček</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Otočit proti směru hodinových ručiček</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Přesné polohy</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Namířit na oblohu</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Přejít na</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Souhvězdí</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Východ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Sever</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Jih</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Západ</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Najít...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Dnes v noci...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyní</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Aktualizovat družice</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Aktualizovat komety a planetky</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importovat elementy...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Aktualizovat týdně</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Nastavení...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Žádná poloha: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Místo: %1 (změna v Nastavení)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>složku nelze vytvořit</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Nastavení nelze uložit do
%1
(%2).

Uvolněte místo nebo povolte zápis do složky a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Zavřít bez uložení</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venuše</translation>
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
        <translation>Uran</translation>
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
        <translation>neobsahuje žádné použitelné dráhové elementy</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>řádek %1: více než %2 těles, zbytek vynechán</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>není to řádek komety ani planetky</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>žádné elementy komet ani planetek</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>neplatný JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>neplatné XML: %1 na bajtu %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>soubor je prázdný</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>nenalezeny žádné sady elementů</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>žádná použitelná sada elementů (%n přeskočena)</numerusform>
            <numerusform>žádná použitelná sada elementů (%n přeskočeny)</numerusform>
            <numerusform>žádná použitelná sada elementů (%n přeskočeno)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 není soubor elementů (příliš velký)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>družice %1: její elementy nedávají dráhu (chyba modelu %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>řádek %1: chybí řádek 2 sady</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>řádek %1: chybí řádek 1 sady</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>nelze naslouchat na %1: %2; další spuštění toto okno nenajdou</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>běhová složka %1 není soukromá pro tohoto uživatele; vlastní složka nenalezena</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>běhová složka %1 není soukromá pro tohoto uživatele; používá se %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>pro kontrolu jediné instance chybí vlastní složka tohoto uživatele (halvane-%1 v dočasné složce patří někomu jinému); spouští se bez ní</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>název soketu kontroly jediné instance je příliš dlouhý (%1); spouští se bez kontroly</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>nelze zamknout %1: %2; spouští se bez kontroly jediné instance</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>na %1 běží server jiného uživatele, zatímco zámek drží Halvane této relace; bez připojení</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>Halvane této relace drží %1, ale neodpovídá</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: chybí hodnota</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámá volba „%1“</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>nelze otevřít (chybí, není to běžný soubor nebo jej nelze číst)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>nelze otevřít (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>jen %n bajt, kratší než 12bajtová hlavička</numerusform>
            <numerusform>jen %n bajty, kratší než 12bajtová hlavička</numerusform>
            <numerusform>jen %n bajtů, kratší než 12bajtová hlavička</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>hlavičku nelze přečíst</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>neznámý druh katalogu (neznámá značka i název souboru); určete jej pomocí --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>hlavička odmítnuta: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n bajt neúplného záznamu na konci (při čtení se ignoruje)</numerusform>
            <numerusform>%n bajty neúplného záznamu na konci (při čtení se ignorují)</numerusform>
            <numerusform>%n bajtů neúplného záznamu na konci (při čtení se ignoruje)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>větší, než může být jakýkoli katalog tohoto druhu; při čtení bude odmítnut</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nelze přečíst</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n název není platné UTF-8 (při čtení se přeskočí)</numerusform>
            <numerusform>%n názvy nejsou platné UTF-8 (při čtení se přeskočí)</numerusform>
            <numerusform>%n názvů není platné UTF-8 (při čtení se přeskočí)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n město bez názvu či země nebo mimo rozsah (při čtení se přeskočí)</numerusform>
            <numerusform>%n města bez názvu či země nebo mimo rozsah (při čtení se přeskočí)</numerusform>
            <numerusform>%n měst bez názvu či země nebo mimo rozsah (při čtení se přeskočí)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n záznam s nekonečnými souřadnicemi (při čtení se přeskočí)</numerusform>
            <numerusform>%n záznamy s nekonečnými souřadnicemi (při čtení se přeskočí)</numerusform>
            <numerusform>%n záznamů s nekonečnými souřadnicemi (při čtení se přeskočí)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n záznam s rektascenzí mimo [0, 360) nebo deklinací mimo [-90, 90] stupňů</numerusform>
            <numerusform>%n záznamy s rektascenzí mimo [0, 360) nebo deklinací mimo [-90, 90] stupňů</numerusform>
            <numerusform>%n záznamů s rektascenzí mimo [0, 360) nebo deklinací mimo [-90, 90] stupňů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n název bez ukončovacího nulového bajtu</numerusform>
            <numerusform>%n názvy bez ukončovacího nulového bajtu</numerusform>
            <numerusform>%n názvů bez ukončovacího nulového bajtu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: nelze otevřít (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: neplatný JSON na bajtu %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: není objekt JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nelze přečíst</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (viz halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vyžaduje soubor</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vyžaduje složku</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities vyžaduje --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities vyžaduje --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: nelze zapsat „%1“</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: nelze zapsat „%1“</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: pohybová čidla nelze přečíst</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: %1 nelze přečíst</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 je příliš velký</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 není soubor měst známé verze</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 neobsahuje žádné město</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: v %1Cities.dat není město tohoto jména, zadáno „%2“</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: žádná hvězda, objekt, souhvězdí ani planeta tohoto jména, zadáno „%1“</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: nejsou načteny elementy komet a planetek (--minor-bodies FILE), zadáno „%1“</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>žádná sada elementů</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: žádná družice tohoto jména, zadáno „%1“</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: žádná družice tohoto jména (chybí soubor --satellites), zadáno „%1“</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: žádná hvězda, objekt, souhvězdí ani planeta tohoto jména, zadáno „%1“</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, zadáno %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>očekávána složka</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>očekáváno WxH se stranami od 16 do 8192 pixelů</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>očekáván poměr pixelů od 1 do 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>očekáván počet stupňů</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>očekáván konečný počet stupňů</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>očekáváno -90 až 90 stupňů</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>očekáváno -360 až 360 stupňů</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>očekáván čas UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>očekáváno north, east, south, west nebo zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>očekáváno jméno</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>očekáván soubor elementů komet nebo planetek</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>očekáván název souboru</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>očekáváno 1 až 10 dní</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>očekáván celý počet kroků</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>očekáván řetězec z l, r, u a d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>očekáváno X,Y v pixelech</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nečekaný argument %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view a --goto: zadejte jen jednu z nich</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city a --longitude/--latitude: zadejte jen jedno z nich</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here a --city nebo --longitude/--latitude: zadejte jen jedno z nich</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: jen s --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: bod musí ležet na mapě %1x%2, zadáno %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>ne</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>po</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>út</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>st</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>čt</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>pá</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>so</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>SSV</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>SV</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>VSV</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>VJV</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>JV</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>JJV</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>JJZ</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>JZ</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>ZJZ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>ZSZ</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>SZ</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>SSZ</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systémový</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Nový jazyk se použije při příštím spuštění.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>očekáváno jedno z: %1</translation>
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
        <translation>použití: halvane-render [volby]
  --data DIR        složka se Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (výchozí: vedle programu, jinak ../share/halvane,
                    jinak datové složky XDG)
  --size WxH        velikost mapy v pixelech (výchozí 240x294)
  --scale R         pixely zařízení na pixel mapy, 1 až 4, jako na obrazovce
                    HiDPI; PNG je R-krát větší (výchozí 1)
  --longitude DEG   stupně, kladné na západ } výchozí: Config.dat v datové
  --latitude DEG    stupně, kladné na sever } složce, jinak vestavěné hodnoty
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (výchozí: nyní)
  --view DIR        north, east, south, west nebo zenith (výchozí: zenith)
  --goto NAME       namířit na hvězdu, objekt, souhvězdí nebo planetu podle jména
  --minor-bodies FILE
                    elementy komet (CometEls.txt) nebo planetek (MPCORB) k
                    zobrazení, hledání a popisu; lze opakovat
  --city NAME       pozorovat z města v Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            pozorovat z polohy, kterou dá zdroj polohy (do 30 s; na
                    0,01 stupně, pokud ji Config.dat neuchovává přesně)
  --position-source nmea:SOURCE
                    proud NMEA: sériové zařízení, soubor nebo HOST:PORT
                    (výchozí: z Config.dat, jinak systémová služba polohy)
  --zoom N          N kroků přiblížení od 90 stupňů; záporné: kroky oddálení
  --rotate N        N kroků po 15 stupních po směru hodinových ručiček;
                    záporné: proti směru
  --pan KEYS        kroky šipkami, řetězec z l, r, u, d, použitý popořadě
  --layers LIST     čárkami oddělená podmnožina equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, nebo none (výchozí: z Config.dat, jinak
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         zdánlivé polohy k datu, s refrakcí (jako Přesné polohy
                    v nabídce Zobrazení)
  --tap X,Y         určit objekt na tomto pixelu a vypsat jeho jméno
  --language CODE   názvy, panely a data v tomto jazyce (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info a
                    --tonight pak vypisují řádky panelu a seznamu „Dnes v noci“ v něm
                    místo řádků key: value
  --out FILE        zapsat mapu jako PNG
  --trace FILE      zapsat každou kreslicí operaci, jednu na řádek
                    (&quot;-&quot;: stdout)
  --bodies          vypsat Slunce, Měsíc a planety, jedno na řádek: jméno,
                    RA v hodinách a Dec ve stupních (J2000, topocentrické),
                    výšku a azimut ve stupních jak nakresleno, magnitudu,
                    průměr v úhlových vteřinách, osvětlený podíl
  --info NAME       vypsat, co o objektu říká informační panel, jednu dvojici
                    key: value na řádek (časy ISO 8601 místní, úhly ve stupních
                    a hodinách; u komety či planetky také r_au, delta_au,
                    phase_angle a epochu jejích elementů)
  --tonight         stejně vypsat seznam Dnes v noci: západ Slunce, soumrak,
                    Měsíc, každou planetu
  --satellites FILE elementy družic (TLE, 3LE nebo OMM jako CSV, JSON či XML):
                    kreslí je vrstva družic, znají je --info a --tap
  --passes NAME     vypsat přelety družice, jeden na řádek: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (časy ISO 8601 UTC,
                    začátek a konec ve geometrické výšce 0 stupňů, MAG &apos;-&apos;
                    když je neznámá, visible nebo unseen)
  --days N          přelety během N dní (1 až 10) od daného času; výchozí:
                    nejbližší noc, do příštího místního poledne
  --night           červeně na černé, jako v nočním režimu
  --caption         titulek okna: daný čas v pásmu nejbližšího města do 100 km
                    (jinak zařízení) a mezní magnituda hvězd
  --sensors         namířit tam, kam ukazuje zařízení, podle jeho akcelerometru
                    a magnetometru (HALVANE_IIO_DEVICES určuje jinou složku
                    sysfs), a vypsat &apos;aim azimuth A altitude H roll R&apos; ve
                    stupních, od skutečného severu

Záznam obsahuje jednu kreslicí operaci na řádek, v pořadí kreslení; souřadnice
jsou pixely mapy (left, top, right, bottom u obdélníků), barvy RRGGBB
šestnáctkově:
  fill L T R B BRUSH          BRUSH: black, white nebo gray
  pen RRGGBB                  barva následujících čar
  textcolor RRGGBB            barva následujícího textu
  transparent                 text bez pozadí od tohoto místa
  polyline N X1 Y1 ... XN YN  čára přes N bodů
  text L T R B FLAGS &quot;TEXT&quot;   TEXT v UTF-8 uvnitř obdélníku, FLAGS jako číslo;
                              \&quot; je uvozovka, \\ zpětné lomítko, \xNN bajt NN
                              řídicího znaku nebo poškozeného UTF-8
  blit X Y W H SX SY OP       obrázek W x H z (SX, SY) listu spritů
                              nebo bufferu do (X, Y); OP: copy nebo or
Argumenty a obsah souborů opakované ve zprávách se escapují stejně a zkracují
se s &quot;...&quot; po 120 bajtech.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Odchylka kompasu je od -180 do 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>očekáváno none nebo seznam z: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n poškozený záznam (při čtení se přeskočí)</numerusform>
            <numerusform>%n poškozené záznamy (při čtení se přeskočí)</numerusform>
            <numerusform>%n poškozených záznamů (při čtení se přeskočí)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: v tu dobu není poloha pro „%2“</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (viz halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámá volba „%1“</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 vyžaduje soubor</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 vyžaduje složku</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build vyžaduje --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build vyžaduje --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>neznámý druh „%1“</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info přijímá jeden soubor</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info vyžaduje soubor</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>neznámý příkaz „%1“</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>použití: halvane-catalog build --source DIR --out DIR [--names FILE]
         halvane-catalog build-cities --source FILE --out DIR
         halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind vyžaduje jednu z hodnot %1</translation>
    </message>
</context>
</TS>
