<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>спіральна галактика</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>лінзоподібна галактика</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>карликова сфероїдальна галактика</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>еліптична галактика</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>неправильна галактика</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>галактика</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>скупчення галактик</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>розсіяне скупчення</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>кульове скупчення</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>світла туманність</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>емісійна туманність</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>відбивна туманність</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>область зореутворення</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>планетарна туманність</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>темна туманність</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>залишок наднової</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>зорі %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>карликова планета</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>планета</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Елементів орбіт комет і астероїдів ще немає: їх завантажує «Оновити комети й астероїди»</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>астероїд</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>комета</translation>
    </message>
    <message>
        <source>star</source>
        <translation>зоря</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>об&apos;єкт далекого космосу</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>сузір&apos;я</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>астеризм</translation>
    </message>
    <message>
        <source>object</source>
        <translation>об&apos;єкт</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 а. о.</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; кульмінація %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Над горизонтом; тут не заходить</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Над горизонтом; не заходить найближчі 24 години</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Під горизонтом: тут не сходить</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Під горизонтом: не сходить найближчі 24 години</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>схід о %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>кульмінація %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>захід о %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Над горизонтом; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Під горизонтом: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>С</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>молодик</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>повня</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>перша чверть</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>остання чверть</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>молодий серп</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>старий серп</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>Місяць росте</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>Місяць спадає</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>об&apos;єкт Мессьє</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, зоряна величина %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, у сузір&apos;ї %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Розмір %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Інші назви: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Висота %1°, азимут %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>α %1, δ %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>α %1, δ %2 (на дату)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Відстань %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, розмір %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, розмір %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Фаза: %1, освітлено %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 а. о. від Сонця, %2 а. о. від Землі</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° від Сонця</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Елементи орбіти на %1, вік %2 діб</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: положення може бути неточним на кутові хвилини</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Показник кольору B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>супутник %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Висота %1°, азимут %2°, відстань %3 км</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>У тіні Землі</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Освітлений Сонцем</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Положення немає: елементи орбіти його більше не дають</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: час може відрізнятися на хвилини</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Наступний видимий проліт: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Видимих прольотів найближчі 10 днів немає</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 — %3 на висоті %4° — %5 %6, видимий</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 — %3 на висоті %4° — %5 %6, невидимий</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>над горизонтом усю ніч</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>над горизонтом усю ніч, на світлому небі</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>цієї ночі не сходить</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>схід %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>захід %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Сьогодні вночі, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Сьогодні вночі: %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Сонце не заходить</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Сонце не сходить</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Захід Сонця %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>громадянські %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>навігаційні %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>астрономічні %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Кінець сутінків: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; повної темряви немає</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Темно всю ніч</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Повної темряви цієї ночі немає</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Ранкові сутінки: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Схід Сонця %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Місяць: %1, %2 (освітлено %3 %)</translation>
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
        <translation>%1: зоряна величина %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Цієї ночі немає темного часу для об&apos;єктів далекого космосу</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: зоряна величина %2, кульмінація %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, зоряна величина %3, кульмінація %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Місце спостереження: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Довгота:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>Сх|Зх</translation>
    </message>
    <message>
        <source>or</source>
        <translation>або</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>Пн|Пд</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Місто:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Моє місцезнаходження</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Час спостереження: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Системний час</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>Д</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>М</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Р</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Г</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Поправка компаса:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>більше %1 МБ</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>немає відповіді за %1 с</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>сервер відповів %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>завантаження обірвалося після %1 з %2 байтів</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>не вдається створити %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>не вдається записати %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>не вдається завантажити %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>немає запису</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>модуль завантаження %1 не встановлено</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Завантаження %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Завантаження %1: %2 КБ</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; повторний запит не раніше ніж за 24 години</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; старі елементи збережено</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1: сервер відмовив; наступний запит не раніше %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 завантажено менш ніж 2 години тому; знову після %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не знайдено</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Можливо, ви мали на увазі %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Знайти зорю, планету чи об&apos;єкт</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>акселерометр</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>магнітометр</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>гіроскоп</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Не вдається прочитати датчики руху в %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Показання акселерометра неправдоподібні (можливо, задано хибний масштаб).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Показання магнітометра неправдоподібні (можливо, задано хибний масштаб).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Масштаб датчика «%1» — непридатне число.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Не вдається прочитати матрицю встановлення датчика «%1».</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Датчик «%1» не знайдено в %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>січ</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>лют</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>бер</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>кві</translation>
    </message>
    <message>
        <source>May</source>
        <translation>тра</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>чер</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>лип</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>сер</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>вер</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>жов</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>лис</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>гру</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Сонце</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>завтра о %1</translation>
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
        <translation>місцезнаходження не визначено за %1 с</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 — не послідовний пристрій, з якого можна читати</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не читається</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не вдається прочитати %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>потік не надіслав жодного речення NMEA за %1 с</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>збій потоку NMEA: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: потрібен послідовний пристрій, файл або host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>немає такого послідовного пристрою: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>немає такого файлу NMEA: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>очікувалося nmea:DEVICE, nmea:FILE або nmea:HOST:PORT, отримано «%1»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>модуль визначення місцезнаходження %1 не встановлено</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Меню</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Панель навігації</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Введіть тут ціле число.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Години — від 0 до 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Хвилини — від 0 до 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Секунди — від 0 до 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Місяці — від 1 до 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Роки — від 1601 до 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Дати %1 не існує.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Під час переведення годинника %2 час %1 пропускається.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Міста «%1» немає.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Міст із назвою «%1» кілька: виберіть одне.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Зараз: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, найближче місто: %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Визначення місцезнаходження…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Місцезнаходження не визначено: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Місцезнаходження заповнено.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Де ви? Виберіть місто або визначте місцезнаходження</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Місце й час для карти</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Введіть градуси, хвилини й секунди довготи.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Введіть градуси, хвилини й секунди широти.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Широта — від 0 до 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>у відповіді: %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>у відповіді елементи іншого виду</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Оновлення супутників…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Оновлення комет і астероїдів…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Супутники оновлено</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Комети й астероїди оновлено</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Не вдається прочитати %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 більше 64 МБ; нічого не імпортовано</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; нічого не імпортовано</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Імпортовано %n супутник під назвою %1</numerusform>
            <numerusform>Імпортовано %n супутники під назвою %1</numerusform>
            <numerusform>Імпортовано %n супутників під назвою %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Імпортовано комет і астероїдів: %n, під назвою %1</numerusform>
            <numerusform>Імпортовано комет і астероїдів: %n, під назвою %1</numerusform>
            <numerusform>Імпортовано комет і астероїдів: %n, під назвою %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Імпорт елементів</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Сьогодні вночі</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Екваторіальна сітка</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Горизонтальна сітка</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Лінії сузір&apos;їв</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Межі сузір&apos;їв</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Сонячна система</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Назви сузір&apos;їв</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Назви зір</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Ландшафт</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Денне світло</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Екліптика</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Далекий космос</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Чумацький Шлях</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Комети й астероїди</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Супутники</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Нічний режим</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Скинути масштаб (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Повернути за годинниковою стрілкою</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Повернути проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Точні положення</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Наведення на небо</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Сузір&apos;я</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Схід</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Північ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Південь</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Захід</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Зеніт</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Знайти...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Сьогодні вночі...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Оновити супутники</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Оновити комети й астероїди</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Імпорт елементів...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Оновлювати щотижня</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Налаштування...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Місцезнаходження не визначено: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Місце: %1 (змінюється в налаштуваннях)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>не вдається створити теку</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Не вдалося зберегти налаштування в
%1
(%2).

Звільніть місце або дозвольте запис у теку й повторіть спробу.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрити без збереження</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурій</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Венера</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Марс</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Юпітер</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Сатурн</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Нептун</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Плутон</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>у ньому немає придатних елементів орбіт</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>рядок %1: більше %2 тіл, решту пропущено</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>не рядок комети чи малої планети</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>немає елементів комет чи малих планет</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>недійсний JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>недійсний XML: %1 у байті %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл порожній</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>набори елементів не знайдено</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>немає придатного набору елементів (пропущено %n)</numerusform>
            <numerusform>немає придатного набору елементів (пропущено %n)</numerusform>
            <numerusform>немає придатного набору елементів (пропущено %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 — не файл елементів (завеликий)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>супутник %1: його елементи не дають орбіти (помилка моделі %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>рядок %1: немає рядка 2 набору</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>рядок %1: немає рядка 1 набору</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>не вдається слухати %1: %2; наступні запуски не знайдуть це вікно</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>тека виконання %1 доступна не лише цьому користувачеві; власної теки не знайдено</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>тека виконання %1 доступна не лише цьому користувачеві; використовується %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>немає власної теки цього користувача для перевірки єдиного екземпляра (halvane-%1 у тимчасовій теці належить іншому); запуск без перевірки</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>назва сокета перевірки єдиного екземпляра задовга (%1); запуск без перевірки</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>не вдається заблокувати %1: %2; запуск без перевірки єдиного екземпляра</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>на %1 працює сервер іншого користувача, а блокування тримає Halvane цього сеансу; з&apos;єднання не виконується</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>Halvane цього сеансу тримає %1, але не відповідає</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: немає значення</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>не вдається відкрити (відсутній, не звичайний файл або немає прав на читання)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>не вдається відкрити (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>лише %n байт, менше за 12-байтовий заголовок</numerusform>
            <numerusform>лише %n байти, менше за 12-байтовий заголовок</numerusform>
            <numerusform>лише %n байтів, менше за 12-байтовий заголовок</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>не вдається прочитати заголовок</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>невідомий вид каталогу (мітка й назва файлу невідомі); вкажіть його через --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>заголовок відхилено: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>неповний запис у кінці: %n байт (під час читання ігнорується)</numerusform>
            <numerusform>неповний запис у кінці: %n байти (під час читання ігнорується)</numerusform>
            <numerusform>неповний запис у кінці: %n байтів (під час читання ігнорується)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>більший, ніж може бути будь-який каталог цього виду; під час читання його буде відхилено</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читається</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>назв у недійсному кодуванні UTF-8: %n (пропускаються під час читання)</numerusform>
            <numerusform>назв у недійсному кодуванні UTF-8: %n (пропускаються під час читання)</numerusform>
            <numerusform>назв у недійсному кодуванні UTF-8: %n (пропускаються під час читання)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>міст без назви чи країни або з неприпустимими значеннями: %n (пропускаються під час читання)</numerusform>
            <numerusform>міст без назви чи країни або з неприпустимими значеннями: %n (пропускаються під час читання)</numerusform>
            <numerusform>міст без назви чи країни або з неприпустимими значеннями: %n (пропускаються під час читання)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>записів із нескінченними чи невизначеними координатами: %n (пропускаються під час читання)</numerusform>
            <numerusform>записів із нескінченними чи невизначеними координатами: %n (пропускаються під час читання)</numerusform>
            <numerusform>записів із нескінченними чи невизначеними координатами: %n (пропускаються під час читання)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>записів із прямим піднесенням поза [0, 360) або схиленням поза [-90, 90] градусів: %n</numerusform>
            <numerusform>записів із прямим піднесенням поза [0, 360) або схиленням поза [-90, 90] градусів: %n</numerusform>
            <numerusform>записів із прямим піднесенням поза [0, 360) або схиленням поза [-90, 90] градусів: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>назв без завершального нульового байта: %n</numerusform>
            <numerusform>назв без завершального нульового байта: %n</numerusform>
            <numerusform>назв без завершального нульового байта: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: не вдається відкрити (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: недійсний JSON у байті %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: не об&apos;єкт JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не читається</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (див. halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1: потрібен файл</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1: потрібна тека</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities: потрібен --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities: потрібен --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: не вдається записати «%1»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: не вдається записати «%1»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: не вдається прочитати датчики руху</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: не вдається прочитати %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 завеликий</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 — не файл міст відомої версії</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: у %1 немає жодного міста</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: у %1Cities.dat немає міста з такою назвою, отримано «%2»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: немає зорі, об&apos;єкта, сузір&apos;я чи планети з такою назвою, отримано «%1»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: елементи комет і астероїдів не завантажено (--minor-bodies FILE), отримано «%1»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>немає набору елементів</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: немає супутника з такою назвою, отримано «%1»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: немає супутника з такою назвою (немає файлу --satellites), отримано «%1»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: немає зорі, об&apos;єкта, сузір&apos;я чи планети з такою назвою, отримано «%1»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, отримано %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>очікувалася тека</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>очікувалося WxH зі сторонами від 16 до 8192 пікселів</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>очікувалося співвідношення пікселів від 1 до 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>очікувалося число градусів</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>очікувалося скінченне число градусів</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>очікувалося від -90 до 90 градусів</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>очікувалося від -360 до 360 градусів</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>очікувався час UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>очікувалося north, east, south, west або zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>очікувалася назва</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>очікувався файл елементів комет чи малих планет</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>очікувалася назва файлу</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>очікувалося від 1 до 10 днів</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>очікувалося ціле число кроків</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>очікувався рядок з l, r, u та d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>очікувалося X,Y у пікселях</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>зайвий аргумент %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view і --goto: вкажіть лише один із них</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city і --longitude/--latitude: вкажіть лише щось одне</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here і --city або --longitude/--latitude: вкажіть лише щось одне</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: лише разом із --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: точка має лежати на карті %1x%2, отримано %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>Нд</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>Сб</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>Пн</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>ПнПнСх</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>ПнСх</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>СхПнСх</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>Сх</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>СхПдСх</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>ПдСх</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>ПдПдСх</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>Пд</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>ПдПдЗх</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>ПдЗх</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>ЗхПдЗх</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>Зх</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>ЗхПнЗх</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>ПнЗх</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>ПнПнЗх</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Мова:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системна</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Нова мова набуде чинності під час наступного запуску.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>очікувалося одне з: %1</translation>
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
        <translation>використання: halvane-render [параметри]
  --data DIR        тека з Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (типово: поруч із програмою, інакше ../share/halvane,
                    інакше теки даних XDG)
  --size WxH        розмір карти в пікселях (типово 240x294)
  --scale R         пікселів пристрою на піксель карти, від 1 до 4, як на
                    екрані HiDPI; PNG у R разів більший (типово 1)
  --longitude DEG   градуси, на захід додатні } типово: Config.dat у теці
  --latitude DEG    градуси, на північ додатні } даних, інакше вбудовані
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (типово: зараз)
  --view DIR        north, east, south, west або zenith (типово: zenith)
  --goto NAME       навести на зорю, об&apos;єкт, сузір&apos;я чи планету за назвою
  --minor-bodies FILE
                    елементи комет (CometEls.txt) або малих планет (MPCORB)
                    для показу, пошуку й відомостей; можна вказати кілька разів
  --city NAME       спостерігати з міста Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            спостерігати з місця, яке дає джерело місцезнаходження
                    (за 30 с; з точністю 0,01 градуса, якщо Config.dat не
                    зберігає його точно)
  --position-source nmea:SOURCE
                    потік NMEA: послідовний пристрій, файл або HOST:PORT
                    (типово: з Config.dat, інакше системна служба
                    місцезнаходження)
  --zoom N          N кроків збільшення від 90 градусів; від&apos;ємне: зменшення
  --rotate N        N кроків по 15 градусів за годинниковою стрілкою;
                    від&apos;ємне: проти годинникової стрілки
  --pan KEYS        кроки клавішами-стрілками, рядок з l, r, u, d по черзі
  --layers LIST     підмножина через кому з equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, або none (типово: з Config.dat, інакше
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         видимі положення на дату, з рефракцією (як «Точні
                    положення» в меню «Вигляд»)
  --tap X,Y         визначити об&apos;єкт у цьому пікселі й вивести його назву
  --language CODE   назви, панелі й дати цією мовою (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); тоді --info і
                    --tonight друкують рядки панелі та списку «Сьогодні вночі» нею
                    замість рядків key: value
  --out FILE        записати карту в PNG
  --trace FILE      записати кожну операцію малювання, по одній у рядку
                    (&quot;-&quot;: stdout)
  --bodies          вивести Сонце, Місяць і планети, по одному в рядку: назва,
                    RA в годинах і Dec у градусах (J2000, топоцентричні), висота
                    й азимут у градусах, як намальовано, зоряна величина,
                    діаметр у кутових секундах, освітлена частка
  --info NAME       вивести те, що інформаційна панель повідомляє про об&apos;єкт,
                    по одній парі key: value в рядку (час ISO 8601 місцевий,
                    кути в градусах і годинах; для комет і астероїдів також
                    r_au, delta_au, phase_angle та епоха їхніх елементів)
  --tonight         так само вивести список «Сьогодні вночі»: захід Сонця,
                    сутінки, Місяць, кожна планета
  --satellites FILE елементи супутників (TLE, 3LE або OMM як CSV, JSON чи XML):
                    малюються шаром супутників, відомі --info і --tap
  --passes NAME     вивести прольоти супутника, по одному в рядку: pass START AZ
                    ALT MAX AZ ALT END AZ ALT MAG VISIBLE (час ISO 8601 UTC,
                    початок і кінець на геометричній висоті 0 градусів, MAG &apos;-&apos;,
                    якщо невідома, visible або unseen)
  --days N          прольоти за N днів (від 1 до 10) від заданого часу; типово:
                    найближча ніч до наступного місцевого полудня
  --night           червоним на чорному, як у нічному режимі
  --caption         заголовок вікна: заданий час у часовому поясі найближчого до
                    місця міста в межах 100 км (інакше пристрою) і межа зоряної
                    величини
  --sensors         навести туди, куди спрямовано пристрій, за його акселерометром
                    і магнітометром (HALVANE_IIO_DEVICES задає іншу теку sysfs),
                    і вивести &apos;aim azimuth A altitude H roll R&apos; у градусах,
                    від істинної півночі

Трасування містить по одній операції малювання в рядку, у порядку малювання;
координати — пікселі карти (left, top, right, bottom для прямокутників),
кольори RRGGBB у шістнадцятковому вигляді:
  fill L T R B BRUSH          BRUSH: black, white або gray
  pen RRGGBB                  колір наступних ліній
  textcolor RRGGBB            колір наступного тексту
  transparent                 текст без тла, починаючи звідси
  polyline N X1 Y1 ... XN YN  лінія через N точок
  text L T R B FLAGS &quot;TEXT&quot;   TEXT в UTF-8 усередині прямокутника, FLAGS числом;
                              \&quot; — лапка, \\ — обернена скісна риска, \xNN —
                              байт NN керівного символу або хибного UTF-8
  blit X Y W H SX SY OP       зображення W x H з (SX, SY) аркуша спрайтів
                              або буфера в (X, Y); OP: copy або or
Аргументи й вміст файлів, які повторюються в повідомленнях, екрануються так само
й обрізаються з &quot;...&quot; після 120 байтів.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Поправка компаса — від -180 до 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>очікувалося none або список із: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>пошкоджених записів: %n (пропускаються під час читання)</numerusform>
            <numerusform>пошкоджених записів: %n (пропускаються під час читання)</numerusform>
            <numerusform>пошкоджених записів: %n (пропускаються під час читання)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: немає положення в цей час для «%2»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (див. halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1: потрібен файл</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1: потрібна тека</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build: потрібен --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build: потрібен --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>невідомий вид «%1»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info приймає один файл</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info: потрібен файл</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>невідома команда «%1»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>використання: halvane-catalog build --source DIR --out DIR [--names FILE]
              halvane-catalog build-cities --source FILE --out DIR
              halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind: потрібно одне зі значень %1</translation>
    </message>
</context>
</TS>
