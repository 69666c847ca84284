<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>спиральная галактика</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>линзовидная галактика</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>карликовая сфероидальная галактика</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>эллиптическая галактика</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>неправильная галактика</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>галактика</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>скопление галактик</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>рассеянное скопление</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>шаровое скопление</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>светлая туманность</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>эмиссионная туманность</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>отражательная туманность</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>область звездообразования</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>планетарная туманность</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>тёмная туманность</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>остаток сверхновой</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>звёзды %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>карликовая планета</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>планета</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Элементов орбит комет и астероидов пока нет: их загружает «Обновить кометы и астероиды»</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>астероид</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>комета</translation>
    </message>
    <message>
        <source>star</source>
        <translation>звезда</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>объект дальнего космоса</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>созвездие</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>астеризм</translation>
    </message>
    <message>
        <source>object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 а. е.</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; кульминация %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Над горизонтом; здесь не заходит</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Над горизонтом; не заходит в ближайшие 24 часа</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Под горизонтом: здесь не восходит</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Под горизонтом: не восходит в ближайшие 24 часа</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>восход в %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>кульминация %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>заход в %1</translation>
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
        <translation>Под горизонтом: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>С</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>новолуние</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>полнолуние</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>первая четверть</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>последняя четверть</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>растущий серп</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>убывающий серп</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>растущая Луна</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>убывающая Луна</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>объект Мессье</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, звёздная величина %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, в созвездии %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Размер %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Другие названия: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Высота %1°, азимут %2° %3</translation>
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
        <translation>Расстояние %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, размер %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, размер %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Фаза: %1, освещено %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 а. е. от Солнца, %2 а. е. от Земли</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° от Солнца</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Элементы орбиты на %1, возраст %2 сут.</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: положение может быть неточным на угловые минуты</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Показатель цвета B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Высота %1°, азимут %2°, расстояние %3 км</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>В тени Земли</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Освещён Солнцем</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Положения нет: элементы орбиты его больше не дают</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: время может отличаться на минуты</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Следующий видимый пролёт: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Видимых пролётов в ближайшие 10 дней нет</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 — %3 на высоте %4° — %5 %6, виден</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 — %3 на высоте %4° — %5 %6, не виден</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>над горизонтом всю ночь</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>над горизонтом всю ночь, на светлом небе</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>этой ночью не восходит</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>восход %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>заход %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Сегодня ночью, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Сегодня ночью: %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Солнце не заходит</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Солнце не восходит</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Заход Солнца %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>гражданские %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>навигационные %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>астрономические %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Конец сумерек: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; полной темноты нет</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Темно всю ночь</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Полной темноты этой ночью нет</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Утренние сумерки: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Восход Солнца %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Луна: %1, %2 (освещено %3 %)</translation>
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
        <translation>%1: звёздная величина %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Этой ночью нет тёмного времени для объектов дальнего космоса</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: звёздная величина %2, кульминация %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, звёздная величина %3, кульминация %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Место наблюдения: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>В|З</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>С|Ю</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Город:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Моё местоположение</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Время наблюдения: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Системное время</translation>
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
        <translation>Г</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Ч</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>больше %1 МБ</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>нет ответа за %1 с</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>сервер ответил %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>загрузка прервалась после %1 из %2 байт</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся загрузить %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>нет записи</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>модуль загрузки %1 не установлен</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Загрузка %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Загрузка %1: %2 КБ</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; повторный запрос не раньше чем через 24 часа</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; старые элементы сохранены</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1: сервер отказал; следующий запрос не раньше %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 загружен менее 2 часов назад; снова после %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найдено</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Возможно, вы имели в виду %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Найти звезду, планету или объект</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>акселерометр</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>магнитометр</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>гироскоп</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Не удаётся прочитать датчики движения в %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Показания акселерометра неправдоподобны (возможно, задан неверный масштаб).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Показания магнитометра неправдоподобны (возможно, задан неверный масштаб).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Масштаб датчика «%1» — непригодное число.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>Не удаётся прочитать матрицу установки датчика «%1».</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Датчик «%1» не найден в %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>мая</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>дек</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Солнце</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>завтра в %1</translation>
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
        <translation>местоположение не определено за %1 с</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 — не последовательное устройство, доступное для чтения</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не читается</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>поток не прислал ни одного предложения NMEA за %1 с</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>сбой потока NMEA: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: нужно последовательное устройство, файл или host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>нет такого последовательного устройства: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>нет такого файла NMEA: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>ожидалось nmea:DEVICE, nmea:FILE или nmea:HOST:PORT, получено «%1»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>модуль определения местоположения %1 не установлен</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Меню</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Панель навигации</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Введите здесь целое число.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Часы — от 0 до 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Минуты — от 0 до 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Секунды — от 0 до 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Месяцы — от 1 до 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Годы — от 1601 до 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Даты %1 не существует.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>При переводе часов %2 время %1 пропускается.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Города «%1» нет.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Городов с названием «%1» несколько: выберите один.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Сейчас: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, ближайший город: %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Определение местоположения…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Местоположение не определено: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Местоположение заполнено.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Где вы? Выберите город или определите местоположение</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Место и время для карты</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Введите градусы, минуты и секунды долготы.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Введите градусы, минуты и секунды широты.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Широта — от 0 до 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>в ответе: %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>в ответе элементы другого вида</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Обновление спутников…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Обновление комет и астероидов…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Спутники обновлены</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Кометы и астероиды обновлены</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 больше 64 МБ; ничего не импортировано</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; ничего не импортировано</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Импортирован %n спутник под именем %1</numerusform>
            <numerusform>Импортировано %n спутника под именем %1</numerusform>
            <numerusform>Импортировано %n спутников под именем %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Импортировано комет и астероидов: %n, под именем %1</numerusform>
            <numerusform>Импортировано комет и астероидов: %n, под именем %1</numerusform>
            <numerusform>Импортировано комет и астероидов: %n, под именем %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Импорт элементов</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Сегодня ночью</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Экваториальная сетка</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Горизонтальная сетка</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Линии созвездий</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Границы созвездий</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Солнечная система</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Названия созвездий</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Названия звёзд</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Ландшафт</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Дневной свет</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Эклиптика</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Дальний космос</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Млечный Путь</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Кометы и астероиды</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Ночной режим</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Сбросить масштаб (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Повернуть по часовой стрелке</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Повернуть против часовой стрелки</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Точные положения</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Наведение на небо</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Зенит</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Сегодня ночью...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Обновить спутники</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Обновить кометы и астероиды</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Импорт элементов...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Обновлять еженедельно</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Местоположение не определено: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Место: %1 (изменяется в настройках)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Не удалось сохранить настройки в
%1
(%2).

Освободите место или разрешите запись в папку и повторите попытку.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Луна</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Меркурий</translation>
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
        <translation>Юпитер</translation>
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
        <translation>в нём нет пригодных элементов орбит</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>строка %1: больше %2 тел, остальные пропущены</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>не строка кометы или малой планеты</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>нет элементов комет или малых планет</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>недопустимый JSON</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>недопустимый XML: %1 в байте %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>наборы элементов не найдены</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>нет пригодного набора элементов (пропущен %n)</numerusform>
            <numerusform>нет пригодного набора элементов (пропущено %n)</numerusform>
            <numerusform>нет пригодного набора элементов (пропущено %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 — не файл элементов (слишком большой)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>спутник %1: его элементы не дают орбиты (ошибка модели %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>строка %1: нет строки 2 набора</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>строка %1: нет строки 1 набора</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся слушать %1: %2; последующие запуски не найдут это окно</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>папка времени выполнения %1 доступна не только этому пользователю; собственная папка не найдена</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>папка времени выполнения %1 доступна не только этому пользователю; используется %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>нет собственной папки этого пользователя для проверки единственного экземпляра (halvane-%1 во временной папке принадлежит другому); запуск без проверки</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>имя сокета проверки единственного экземпляра слишком длинное (%1); запуск без проверки</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся заблокировать %1: %2; запуск без проверки единственного экземпляра</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>на %1 работает сервер другого пользователя, а блокировку держит Halvane этого сеанса; подключение не выполняется</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>Halvane этого сеанса держит %1, но не отвечает</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: нет значения</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>не удаётся открыть (отсутствует, не обычный файл или нет прав на чтение)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>не удаётся открыть (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>всего %n байт, меньше 12-байтового заголовка</numerusform>
            <numerusform>всего %n байта, меньше 12-байтового заголовка</numerusform>
            <numerusform>всего %n байт, меньше 12-байтового заголовка</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>не удаётся прочитать заголовок</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>неизвестный вид каталога (метка и имя файла неизвестны); укажите его через --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>заголовок отклонён: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>неполная запись в конце: %n байт (при чтении игнорируется)</numerusform>
            <numerusform>неполная запись в конце: %n байта (при чтении игнорируется)</numerusform>
            <numerusform>неполная запись в конце: %n байт (при чтении игнорируется)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>больше, чем может быть любой каталог этого вида; при чтении он будет отвергнут</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>имён в недопустимой кодировке UTF-8: %n (пропускаются при чтении)</numerusform>
            <numerusform>имён в недопустимой кодировке UTF-8: %n (пропускаются при чтении)</numerusform>
            <numerusform>имён в недопустимой кодировке UTF-8: %n (пропускаются при чтении)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>городов без названия или страны либо с недопустимыми значениями: %n (пропускаются при чтении)</numerusform>
            <numerusform>городов без названия или страны либо с недопустимыми значениями: %n (пропускаются при чтении)</numerusform>
            <numerusform>городов без названия или страны либо с недопустимыми значениями: %n (пропускаются при чтении)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>записей с бесконечными или неопределёнными координатами: %n (пропускаются при чтении)</numerusform>
            <numerusform>записей с бесконечными или неопределёнными координатами: %n (пропускаются при чтении)</numerusform>
            <numerusform>записей с бесконечными или неопределёнными координатами: %n (пропускаются при чтении)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>записей с прямым восхождением вне [0, 360) или склонением вне [-90, 90] градусов: %n</numerusform>
            <numerusform>записей с прямым восхождением вне [0, 360) или склонением вне [-90, 90] градусов: %n</numerusform>
            <numerusform>записей с прямым восхождением вне [0, 360) или склонением вне [-90, 90] градусов: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>имён без завершающего нулевого байта: %n</numerusform>
            <numerusform>имён без завершающего нулевого байта: %n</numerusform>
            <numerusform>имён без завершающего нулевого байта: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: не удаётся открыть (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: недопустимый JSON в байте %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: не объект JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не читается</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (см. halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1: нужен файл</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1: нужна папка</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities: нужен --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities: нужен --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: не удаётся записать «%1»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: не удаётся записать «%1»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: не удаётся прочитать датчики движения</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 слишком большой</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 — не файл городов известной версии</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: в %1 нет ни одного города</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: в %1Cities.dat нет города с таким названием, получено «%2»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: нет звезды, объекта, созвездия или планеты с таким названием, получено «%1»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: элементы комет и астероидов не загружены (--minor-bodies FILE), получено «%1»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>нет набора элементов</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: нет спутника с таким названием, получено «%1»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: нет спутника с таким названием (нет файла --satellites), получено «%1»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: нет звезды, объекта, созвездия или планеты с таким названием, получено «%1»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, получено %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>ожидалась папка</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>ожидалось WxH со сторонами от 16 до 8192 пикселей</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>ожидалось отношение пикселей от 1 до 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>ожидалось число градусов</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>ожидалось конечное число градусов</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>ожидалось от -90 до 90 градусов</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>ожидалось от -360 до 360 градусов</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>ожидалось время UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>ожидалось north, east, south, west или zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>ожидалось название</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>ожидался файл элементов комет или малых планет</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>ожидалось имя файла</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>ожидалось от 1 до 10 дней</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>ожидалось целое число шагов</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>ожидалась строка из l, r, u и d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>ожидалось X,Y в пикселях</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>лишний аргумент %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view и --goto: укажите только один из них</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city и --longitude/--latitude: укажите только что-то одно</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here и --city или --longitude/--latitude: укажите только что-то одно</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: только вместе с --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: точка должна лежать на карте %1x%2, получено %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>Вс</translation>
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
        <translation>С</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>ССВ</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>СВ</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>ВСВ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>ВЮВ</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>ЮВ</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>ЮЮВ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>Ю</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>ЮЮЗ</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>ЮЗ</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>ЗЮЗ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>З</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>ЗСЗ</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>СЗ</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>ССЗ</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Новый язык вступит в силу при следующем запуске.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>ожидалось одно из: %1</translation>
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
        <translation>использование: halvane-render [параметры]
  --data DIR        папка с Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (по умолчанию: рядом с программой, иначе ../share/halvane,
                    иначе папки данных XDG)
  --size WxH        размер карты в пикселях (по умолчанию 240x294)
  --scale R         пикселей устройства на пиксель карты, от 1 до 4, как на
                    экране HiDPI; PNG в R раз больше (по умолчанию 1)
  --longitude DEG   градусы, к западу положительные } по умолчанию: Config.dat в
  --latitude DEG    градусы, к северу положительные } папке данных, иначе встроенные
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (по умолчанию: сейчас)
  --view DIR        north, east, south, west или zenith (по умолчанию: zenith)
  --goto NAME       навести на звезду, объект, созвездие или планету по названию
  --minor-bodies FILE
                    элементы комет (CometEls.txt) или малых планет (MPCORB) для
                    показа, поиска и сведений; можно указать несколько раз
  --city NAME       наблюдать из города Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            наблюдать из места, которое даёт источник местоположения
                    (за 30 с; с точностью 0,01 градуса, если Config.dat не
                    хранит его точно)
  --position-source nmea:SOURCE
                    поток NMEA: последовательное устройство, файл или HOST:PORT
                    (по умолчанию: из Config.dat, иначе системная служба
                    местоположения)
  --zoom N          N шагов увеличения от 90 градусов; отрицательное: уменьшения
  --rotate N        N шагов по 15 градусов по часовой стрелке; отрицательное:
                    против часовой стрелки
  --pan KEYS        шаги клавишами-стрелками, строка из l, r, u, d по порядку
  --layers LIST     подмножество через запятую из equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, или none (по умолчанию: из Config.dat, иначе
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         видимые положения на дату, с рефракцией (как «Точные
                    положения» в меню «Вид»)
  --tap X,Y         определить объект в этом пикселе и вывести его название
  --language CODE   названия, панели и даты на этом языке (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); тогда --info и
                    --tonight печатают строки панели и списка «Сегодня ночью» на нём
                    вместо строк key: value
  --out FILE        записать карту в PNG
  --trace FILE      записать каждую операцию рисования, по одной в строке
                    (&quot;-&quot;: stdout)
  --bodies          вывести Солнце, Луну и планеты, по одному в строке: название,
                    RA в часах и Dec в градусах (J2000, топоцентрические), высота
                    и азимут в градусах, как нарисовано, звёздная величина,
                    диаметр в угловых секундах, освещённая доля
  --info NAME       вывести то, что информационная панель сообщает об объекте,
                    по одной паре key: value в строке (время ISO 8601 местное,
                    углы в градусах и часах; для комет и астероидов также r_au,
                    delta_au, phase_angle и эпоха их элементов)
  --tonight         так же вывести список «Сегодня ночью»: заход Солнца,
                    сумерки, Луна, каждая планета
  --satellites FILE элементы спутников (TLE, 3LE или OMM как CSV, JSON или XML):
                    рисуются слоем спутников, известны --info и --tap
  --passes NAME     вывести пролёты спутника, по одному в строке: pass START AZ
                    ALT MAX AZ ALT END AZ ALT MAG VISIBLE (время ISO 8601 UTC,
                    начало и конец на геометрической высоте 0 градусов, MAG &apos;-&apos;,
                    если неизвестна, visible или unseen)
  --days N          пролёты за N дней (от 1 до 10) от заданного времени; по
                    умолчанию: ближайшая ночь до следующего местного полудня
  --night           красным на чёрном, как в ночном режиме
  --caption         заголовок окна: заданное время в часовом поясе ближайшего к
                    месту города в пределах 100 км (иначе устройства) и предел
                    звёздной величины
  --sensors         навести туда, куда направлено устройство, по его акселерометру
                    и магнитометру (HALVANE_IIO_DEVICES задаёт другую папку sysfs),
                    и вывести &apos;aim azimuth A altitude H roll R&apos; в градусах,
                    от истинного севера

Трассировка содержит по одной операции рисования в строке, в порядке рисования;
координаты — пиксели карты (left, top, right, bottom для прямоугольников),
цвета RRGGBB в шестнадцатеричном виде:
  fill L T R B BRUSH          BRUSH: black, white или gray
  pen RRGGBB                  цвет следующих линий
  textcolor RRGGBB            цвет следующего текста
  transparent                 текст без фона начиная отсюда
  polyline N X1 Y1 ... XN YN  линия через N точек
  text L T R B FLAGS &quot;TEXT&quot;   TEXT в UTF-8 внутри прямоугольника, FLAGS числом;
                              \&quot; — кавычка, \\ — обратная косая черта, \xNN —
                              байт NN управляющего символа или неверной UTF-8
  blit X Y W H SX SY OP       картинка W x H из (SX, SY) листа спрайтов
                              или буфера в (X, Y); OP: copy или or
Аргументы и содержимое файлов, повторяемые в сообщениях, экранируются так же и
обрезаются с &quot;...&quot; после 120 байт.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Поправка компаса — от -180 до 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>ожидалось none или список из: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>повреждённых записей: %n (пропускаются при чтении)</numerusform>
            <numerusform>повреждённых записей: %n (пропускаются при чтении)</numerusform>
            <numerusform>повреждённых записей: %n (пропускаются при чтении)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: нет положения в это время для «%2»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (см. halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1: нужен файл</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1: нужна папка</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build: нужен --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build: нужен --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>неизвестный вид «%1»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info принимает один файл</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info: нужен файл</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>использование: halvane-catalog build --source DIR --out DIR [--names FILE]
               halvane-catalog build-cities --source FILE --out DIR
               halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind: нужно одно из значений %1</translation>
    </message>
</context>
</TS>
