<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>galaktyka spiralna</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>galaktyka soczewkowata</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>galaktyka karłowata sferoidalna</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>galaktyka eliptyczna</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>galaktyka nieregularna</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaktyka</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>gromada galaktyk</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>gromada otwarta</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>gromada kulista</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>mgławica jasna</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>mgławica emisyjna</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>mgławica refleksyjna</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>obszar gwiazdotwórczy</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>mgławica planetarna</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>mgławica ciemna</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>pozostałość po supernowej</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>gwiazdy %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>planeta karłowata</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Brak elementów orbit komet i planetoid: pobiera je „Aktualizuj komety i planetoidy”</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>planetoida</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>kometa</translation>
    </message>
    <message>
        <source>star</source>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>obiekt głębokiego nieba</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>gwiazdozbiór</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asteryzm</translation>
    </message>
    <message>
        <source>object</source>
        <translation>obiekt</translation>
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
        <translation>; kulminacja %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Nad horyzontem; tutaj nigdy nie zachodzi</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Nad horyzontem; nie zachodzi w ciągu 24 godzin</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Pod horyzontem: tutaj nigdy nie wschodzi</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Pod horyzontem: nie wschodzi w ciągu 24 godzin</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>wschód o %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>kulminacja %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>zachód o %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Nad horyzontem; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Pod horyzontem: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>nów</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>pełnia</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>pierwsza kwadra</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ostatnia kwadra</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>przybywający sierp</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>ubywający sierp</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>przybywający garb</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>ubywający garb</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>obiekt Messiera</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, jasność %1 mag</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, gwiazdozbiór %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Rozmiar %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Inne nazwy: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Wysokość %1°, azymut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>RA %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>RA %1, Dec %2 (na datę)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Odległość %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, rozmiar %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, rozmiar %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Faza: %1, oświetlone %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 au od Słońca, %2 au od Ziemi</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° od Słońca</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Elementy orbity z %1, wiek %2 dni</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: położenie może odbiegać o minuty łuku</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Wskaźnik barwy B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satelita %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Wysokość %1°, azymut %2°, odległość %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>W cieniu Ziemi</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Oświetlony przez Słońce</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Brak położenia: elementy orbity już go nie dają</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: czasy mogą odbiegać o minuty</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Następny widoczny przelot: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Brak widocznych przelotów w ciągu 10 dni</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 – %3 na wysokości %4° – %5 %6, widoczny</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 – %3 na wysokości %4° – %5 %6, niewidoczny</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>nad horyzontem całą noc</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>nad horyzontem całą noc, na jasnym niebie</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>tej nocy nie wschodzi</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>wschód %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>zachód %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Dziś w nocy, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Dziś w nocy: %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Słońce nie zachodzi</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Słońce nie wschodzi</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Zachód Słońca %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>cywilny %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>żeglarski %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomiczny %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Koniec zmierzchu: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; bez pełnej ciemności</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Ciemno całą noc</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Tej nocy nie będzie pełnej ciemności</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Świt: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Wschód Słońca %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Księżyc: %1, %2 (oświetlone %3 %)</translation>
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
        <translation>%1: jasność %2 mag, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Tej nocy brak ciemnych godzin dla obiektów głębokiego nieba</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: jasność %2 mag, kulminacja %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, jasność %3 mag, kulminacja %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Miejsce obserwacji: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Długość:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>E|W</translation>
    </message>
    <message>
        <source>or</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Miasto:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Użyj mojej lokalizacji</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Czas obserwacji: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Użyj czasu systemowego</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
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
        <translation>Czas:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Korekta kompasu:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>większy niż %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>brak odpowiedzi w ciągu %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>serwer odpowiedział %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>pobieranie przerwane po %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>nie można wczytać %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>brak wpisu</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>moduł pobierania %1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Pobieranie %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Pobieranie %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; ponowna próba nie wcześniej niż za 24 godziny</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; zachowano stare elementy</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1: serwer odmówił; ponowna próba nie przed %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 pobrano mniej niż 2 godziny temu; ponownie po %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Czy chodziło o %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Znajdź gwiazdę, planetę lub obiekt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
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
        <translation>żyroskop</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Nie można odczytać czujników ruchu w %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Odczyty akcelerometru są niewiarygodne (jego skala może być błędna).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Odczyty magnetometru są niewiarygodne (jego skala może być błędna).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Skala czujnika „%1” nie jest użyteczną liczbą.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Nie można odczytać macierzy montażu czujnika „%1”.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Nie znaleziono czujnika „%1” w %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>kwi</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>gru</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>jutro o %1</translation>
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
        <translation>%1, %2 %3 %4</translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>brak ustalenia pozycji w ciągu %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 nie jest urządzeniem szeregowym, które można odczytać</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nie daje się odczytać</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>strumień nie przesłał żadnego zdania NMEA w ciągu %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>błąd strumienia NMEA: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: wymaga urządzenia szeregowego, pliku lub host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>brak takiego urządzenia szeregowego: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>brak takiego pliku NMEA: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>oczekiwano nmea:DEVICE, nmea:FILE lub nmea:HOST:PORT, otrzymano „%1”</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>moduł lokalizacji %1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Pole nawigacji</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Wpisz tu liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Godziny: od 0 do 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Minuty: od 0 do 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Sekundy: od 0 do 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Miesiące: od 1 do 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Lata: od 1601 do 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Data %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Przy zmianie czasu %2 zegary pomijają %1.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Brak miasta o nazwie „%1”.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Kilka miast nazywa się „%1”: wybierz jedno.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Teraz: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, najbliższe miasto: %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Ustalanie lokalizacji…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Brak lokalizacji: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Lokalizacja została uzupełniona.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Gdzie jesteś? Wybierz miasto lub użyj swojej lokalizacji</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Miejsce i czas mapy</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Wpisz stopnie, minuty i sekundy długości geograficznej.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Wpisz stopnie, minuty i sekundy szerokości geograficznej.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Szerokość: od 0 do 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>odpowiedź zawiera %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>odpowiedź zawiera elementy innego rodzaju</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Aktualizowanie satelitów…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Aktualizowanie komet i planetoid…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Zaktualizowano satelity</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Zaktualizowano komety i planetoidy</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 ma ponad 64 MB; nic nie zaimportowano</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; nic nie zaimportowano</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Zaimportowano %n satelitę jako %1</numerusform>
            <numerusform>Zaimportowano %n satelity jako %1</numerusform>
            <numerusform>Zaimportowano %n satelitów jako %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Zaimportowano %n kometę lub planetoidę jako %1</numerusform>
            <numerusform>Zaimportowano %n komety i planetoidy jako %1</numerusform>
            <numerusform>Zaimportowano %n komet i planetoid jako %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importuj elementy</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Dziś w nocy</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Siatka równikowa</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Siatka horyzontalna</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Linie gwiazdozbiorów</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Granice gwiazdozbiorów</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Układ Słoneczny</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Nazwy gwiazdozbiorów</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Nazwy gwiazd</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Teren</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Światło dzienne</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Ekliptyka</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Głębokie niebo</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Droga Mleczna</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Komety i planetoidy</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Tryb nocny</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Resetuj powiększenie (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Dokładne położenia</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Wskaż niebo</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Przejdź do</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Gwiazdozbiór</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Północ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Południe</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Dziś w nocy...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Aktualizuj satelity</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Aktualizuj komety i planetoidy</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importuj elementy...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Aktualizuj co tydzień</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ustawienia...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Brak lokalizacji: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Miejsce: %1 (zmiana w Ustawieniach)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Nie można zapisać ustawień w
%1
(%2).

Zwolnij trochę miejsca lub nadaj folderowi prawo zapisu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Zamknij bez zapisywania</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkury</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Wenus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jowisz</translation>
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
        <translation>Pluton</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>brak w nim użytecznych elementów orbit</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>wiersz %1: ponad %2 ciał, resztę pominięto</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>to nie jest wiersz komety ani planetoidy</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>brak elementów komet lub planetoid</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>nieprawidłowy JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>nieprawidłowy XML: %1 w bajcie %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>nie znaleziono zestawów elementów</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>brak użytecznego zestawu elementów (pominięto %n)</numerusform>
            <numerusform>brak użytecznego zestawu elementów (pominięto %n)</numerusform>
            <numerusform>brak użytecznego zestawu elementów (pominięto %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 nie jest plikiem elementów (za duży)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satelita %1: jego elementy nie dają orbity (błąd modelu %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>wiersz %1: brak wiersza 2 zestawu</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>wiersz %1: brak wiersza 1 zestawu</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>nie można nasłuchiwać na %1: %2; kolejne uruchomienia nie znajdą tego okna</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>folder wykonawczy %1 nie jest prywatny dla tego użytkownika; nie znaleziono własnego folderu</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>folder wykonawczy %1 nie jest prywatny dla tego użytkownika; używany jest %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>brak własnego folderu tego użytkownika do sprawdzania pojedynczej instancji (halvane-%1 w folderze tymczasowym należy do kogoś innego); uruchamianie bez sprawdzania</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>nazwa gniazda sprawdzania pojedynczej instancji jest za długa (%1); uruchamianie bez sprawdzania</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>nie można zablokować %1: %2; uruchamianie bez sprawdzania pojedynczej instancji</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>pod %1 działa serwer innego użytkownika, a blokadę trzyma Halvane tej sesji; bez łączenia</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>Halvane tej sesji trzyma %1, ale nie odpowiada</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: brak wartości</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>nie można otworzyć (brak pliku, nie jest zwykłym plikiem lub nie można go odczytać)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>nie można otworzyć (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>tylko %n bajt, mniej niż 12-bajtowy nagłówek</numerusform>
            <numerusform>tylko %n bajty, mniej niż 12-bajtowy nagłówek</numerusform>
            <numerusform>tylko %n bajtów, mniej niż 12-bajtowy nagłówek</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>nie można odczytać nagłówka</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>nieznany rodzaj katalogu (nieznany znacznik i nazwa pliku); wskaż go przez --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>nagłówek odrzucony przez %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n bajt niepełnego rekordu na końcu (pomijany przy odczycie)</numerusform>
            <numerusform>%n bajty niepełnego rekordu na końcu (pomijane przy odczycie)</numerusform>
            <numerusform>%n bajtów niepełnego rekordu na końcu (pomijane przy odczycie)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>większy, niż może być jakikolwiek katalog tego rodzaju; odczyt go odrzuci</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nazwa nieprawidłowa w UTF-8 (pomijana przy odczycie)</numerusform>
            <numerusform>%n nazwy nieprawidłowe w UTF-8 (pomijane przy odczycie)</numerusform>
            <numerusform>%n nazw nieprawidłowych w UTF-8 (pomijane przy odczycie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n miasto bez nazwy lub kraju albo poza zakresem (pomijane przy odczycie)</numerusform>
            <numerusform>%n miasta bez nazwy lub kraju albo poza zakresem (pomijane przy odczycie)</numerusform>
            <numerusform>%n miast bez nazwy lub kraju albo poza zakresem (pomijane przy odczycie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n rekord o nieskończonych współrzędnych (pomijany przy odczycie)</numerusform>
            <numerusform>%n rekordy o nieskończonych współrzędnych (pomijane przy odczycie)</numerusform>
            <numerusform>%n rekordów o nieskończonych współrzędnych (pomijane przy odczycie)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n rekord z rektascensją poza [0, 360) lub deklinacją poza [-90, 90] stopni</numerusform>
            <numerusform>%n rekordy z rektascensją poza [0, 360) lub deklinacją poza [-90, 90] stopni</numerusform>
            <numerusform>%n rekordów z rektascensją poza [0, 360) lub deklinacją poza [-90, 90] stopni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nazwa bez kończącego bajtu zerowego</numerusform>
            <numerusform>%n nazwy bez kończącego bajtu zerowego</numerusform>
            <numerusform>%n nazw bez kończącego bajtu zerowego</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: nie można otworzyć (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: nieprawidłowy JSON w bajcie %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: to nie jest obiekt JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (zobacz halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 wymaga pliku</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 wymaga folderu</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities wymaga --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities wymaga --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: nie można zapisać „%1”</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: nie można zapisać „%1”</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: nie można odczytać czujników ruchu</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: nie można odczytać %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 jest za duży</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 nie jest plikiem miast znanej wersji</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 nie zawiera żadnego miasta</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: brak miasta o tej nazwie w %1Cities.dat, otrzymano „%2”</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: brak gwiazdy, obiektu, gwiazdozbioru lub planety o tej nazwie, otrzymano „%1”</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: nie wczytano elementów komet ani planetoid (--minor-bodies FILE), otrzymano „%1”</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>brak zestawu elementów</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: brak satelity o tej nazwie, otrzymano „%1”</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: brak satelity o tej nazwie (brak pliku --satellites), otrzymano „%1”</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: brak gwiazdy, obiektu, gwiazdozbioru lub planety o tej nazwie, otrzymano „%1”</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, otrzymano %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>oczekiwano folderu</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>oczekiwano WxH o bokach od 16 do 8192 pikseli</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>oczekiwano współczynnika pikseli od 1 do 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>oczekiwano liczby stopni</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>oczekiwano skończonej liczby stopni</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>oczekiwano od -90 do 90 stopni</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>oczekiwano od -360 do 360 stopni</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>oczekiwano czasu UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>oczekiwano north, east, south, west lub zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>oczekiwano nazwy</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>oczekiwano pliku elementów komet lub planetoid</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>oczekiwano nazwy pliku</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>oczekiwano od 1 do 10 dni</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>oczekiwano całkowitej liczby kroków</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>oczekiwano ciągu z l, r, u i d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>oczekiwano X,Y w pikselach</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view i --goto: podaj tylko jedną z nich</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city i --longitude/--latitude: podaj tylko jedno z nich</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here i --city lub --longitude/--latitude: podaj tylko jedno z nich</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: tylko z --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: punkt musi leżeć na mapie %1x%2, otrzymano %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>czw</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>sob</translation>
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
        <translation>Język:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Nowy język zacznie obowiązywać przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>oczekiwano jednego z: %1</translation>
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
        <translation>użycie: halvane-render [opcje]
  --data DIR        folder z Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (domyślnie: obok programu, inaczej ../share/halvane,
                    inaczej foldery danych XDG)
  --size WxH        rozmiar mapy w pikselach (domyślnie 240x294)
  --scale R         piksele urządzenia na piksel mapy, od 1 do 4, jak na
                    ekranie HiDPI; PNG jest R razy większy (domyślnie 1)
  --longitude DEG   stopnie, dodatnie na zachód  } domyślnie: Config.dat w folderze
  --latitude DEG    stopnie, dodatnie na północ } danych, inaczej wbudowane
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (domyślnie: teraz)
  --view DIR        north, east, south, west lub zenith (domyślnie: zenith)
  --goto NAME       wskaż gwiazdę, obiekt, gwiazdozbiór lub planetę po nazwie
  --minor-bodies FILE
                    elementy komet (CometEls.txt) lub planetoid (MPCORB) do
                    pokazania, wyszukiwania i opisu; można powtarzać
  --city NAME       obserwuj z miasta z Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            obserwuj z położenia podanego przez źródło lokalizacji
                    (w ciągu 30 s; z dokładnością 0,01 stopnia, chyba że
                    Config.dat przechowuje je dokładnie)
  --position-source nmea:SOURCE
                    strumień NMEA: urządzenie szeregowe, plik lub HOST:PORT
                    (domyślnie: z Config.dat, inaczej systemowa usługa
                    lokalizacji)
  --zoom N          N kroków powiększenia od 90 stopni; ujemne: pomniejszenia
  --rotate N        N kroków po 15 stopni w prawo; ujemne: w lewo
  --pan KEYS        kroki klawiszami strzałek, ciąg z l, r, u, d, po kolei
  --layers LIST     oddzielony przecinkami podzbiór equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, lub none (domyślnie: z Config.dat, inaczej
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         położenia pozorne na datę, z refrakcją (jak „Dokładne
                    położenia” w menu Widok)
  --tap X,Y         rozpoznaj obiekt w tym pikselu i wypisz jego nazwę
  --language CODE   nazwy, panele i daty w tym języku (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info i
                    --tonight wypisują wtedy wiersze panelu i listy „Dziś w nocy” w tym języku
                    zamiast wierszy key: value
  --out FILE        zapisz mapę jako PNG
  --trace FILE      zapisz każdą operację rysowania, po jednej w wierszu
                    (&quot;-&quot;: stdout)
  --bodies          wypisz Słońce, Księżyc i planety, po jednym w wierszu: nazwa,
                    RA w godzinach i Dec w stopniach (J2000, topocentryczne),
                    wysokość i azymut w stopniach jak na mapie, jasność,
                    średnica w sekundach łuku, oświetlona część
  --info NAME       wypisz, co panel informacji mówi o obiekcie, po jednej parze
                    key: value w wierszu (czasy ISO 8601 lokalne, kąty w stopniach
                    i godzinach; dla komety lub planetoidy także r_au, delta_au,
                    phase_angle i epoka jej elementów)
  --tonight         wypisz tak samo listę Dziś w nocy: zachód Słońca, zmierzch,
                    Księżyc, każdą planetę
  --satellites FILE elementy satelitów (TLE, 3LE lub OMM jako CSV, JSON lub XML):
                    rysowane przez warstwę satelitów, znane --info i --tap
  --passes NAME     wypisz przeloty satelity, po jednym w wierszu: pass START AZ
                    ALT MAX AZ ALT END AZ ALT MAG VISIBLE (czasy ISO 8601 UTC,
                    początek i koniec na wysokości geometrycznej 0 stopni, MAG &apos;-&apos;
                    gdy nieznana, visible lub unseen)
  --days N          przeloty w ciągu N dni (od 1 do 10) od podanego czasu;
                    domyślnie: najbliższa noc, do następnego lokalnego południa
  --night           czerwone na czarnym, jak w trybie nocnym
  --caption         tytuł okna: podany czas w strefie najbliższego miasta w
                    promieniu 100 km (inaczej urządzenia) i granica jasności gwiazd
  --sensors         wskaż tam, gdzie skierowane jest urządzenie, według jego
                    akcelerometru i magnetometru (HALVANE_IIO_DEVICES wskazuje inny
                    folder sysfs), i wypisz &apos;aim azimuth A altitude H roll R&apos; w
                    stopniach, względem północy geograficznej

Ślad zawiera jedną operację rysowania w wierszu, w kolejności rysowania;
współrzędne to piksele mapy (left, top, right, bottom dla prostokątów), kolory
RRGGBB szesnastkowo:
  fill L T R B BRUSH          BRUSH: black, white lub gray
  pen RRGGBB                  kolor następnych linii
  textcolor RRGGBB            kolor następnego tekstu
  transparent                 tekst bez tła od tego miejsca
  polyline N X1 Y1 ... XN YN  linia przez N punktów
  text L T R B FLAGS &quot;TEXT&quot;   TEXT w UTF-8 wewnątrz prostokąta, FLAGS jako
                              liczba; \&quot; to cudzysłów, \\ ukośnik wsteczny, \xNN
                              bajt NN znaku sterującego lub błędnego UTF-8
  blit X Y W H SX SY OP       obraz W x H z (SX, SY) arkusza sprite&apos;ów
                              lub bufora do (X, Y); OP: copy lub or
Argumenty i zawartość plików przytaczane w komunikatach są zapisywane tak samo i
obcinane z &quot;...&quot; po 120 bajtach.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Odchylenie kompasu wynosi od -180 do 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>oczekiwano none lub listy z: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n uszkodzony rekord (pomijany przy odczycie)</numerusform>
            <numerusform>%n uszkodzone rekordy (pomijane przy odczycie)</numerusform>
            <numerusform>%n uszkodzonych rekordów (pomijanych przy odczycie)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: brak pozycji w tym czasie dla „%2”</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (zobacz halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 wymaga pliku</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 wymaga folderu</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build wymaga --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build wymaga --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>nieznany rodzaj „%1”</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info przyjmuje jeden plik</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info wymaga pliku</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>użycie: halvane-catalog build --source DIR --out DIR [--names FILE]
        halvane-catalog build-cities --source FILE --out DIR
        halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind wymaga jednej z wartości %1</translation>
    </message>
</context>
</TS>
