<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>مجرة حلزونية</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>مجرة عدسية</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>مجرة قزمة شبه كروية</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>مجرة إهليلجية</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>مجرة غير منتظمة</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>مجرة</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>عنقود مجرات</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>عنقود نجمي مفتوح</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>عنقود نجمي كروي</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>سديم لامع</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>سديم انبعاث</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>سديم انعكاس</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>سديم تكوّن نجمي</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>سديم كوكبي</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>سديم مظلم</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>بقايا مستعر أعظم</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>النجوم %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>الشمس</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>كوكب قزم</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>كوكب</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>لا توجد بعد عناصر مدارية للمذنبات والكويكبات: يجلبها الأمر «تحديث المذنبات والكويكبات»</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>كويكب</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>مذنب</translation>
    </message>
    <message>
        <source>star</source>
        <translation>نجم</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>جرم من أجرام السماء العميقة</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>كوكبة</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>تجمع نجمي</translation>
    </message>
    <message>
        <source>object</source>
        <translation>جرم</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 كم</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 و.ف.</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>؛ العبور %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>فوق الأفق الآن؛ لا يغرب هنا أبدًا</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>فوق الأفق الآن؛ لا يغرب خلال 24 ساعة</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>تحت الأفق: لا يشرق هنا أبدًا</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>تحت الأفق: لا يشرق خلال 24 ساعة</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>يشرق الساعة %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>العبور %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>يغرب الساعة %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>فوق الأفق الآن؛ %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>تحت الأفق: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>محاق</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>بدر</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>تربيع أول</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>تربيع أخير</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>هلال متزايد</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>هلال متناقص</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>أحدب متزايد</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>أحدب متناقص</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>جرم من فهرس مسييه</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>، القدر %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>، في كوكبة %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>الحجم %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>أسماء أخرى: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>الارتفاع %1°، السمت %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>المطلع المستقيم %1، الميل %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>المطلع المستقيم %1، الميل %2 (للتاريخ)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>المسافة %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>، الحجم %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>، الحجم %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>الطور: %1، المضاء %2٪</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 و.ف. من الشمس، %2 و.ف. من الأرض</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° من الشمس</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>عناصر بتاريخ %1، عمرها %2 يومًا</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: قد يخطئ الموقع بدقائق قوسية</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>مؤشر اللون B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>القمر الصناعي %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>الارتفاع %1°، السمت %2°، على بعد %3 كم</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>في ظل الأرض</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>مضاء بالشمس</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>لا موقع: لم تعد عناصره المدارية تعطي موقعًا</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: قد تخطئ الأوقات بدقائق</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>المرور المرئي التالي: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>لا مرور مرئيًا في الأيام العشرة القادمة</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 إلى %3 على ارتفاع %4° إلى %5 %6، مرئي</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 إلى %3 على ارتفاع %4° إلى %5 %6، غير مرئي</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>فوق الأفق طوال الليل</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>فوق الأفق طوال الليل، في سماء مضيئة</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>لا يشرق الليلة</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>يشرق %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>يغرب %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>الليلة، %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>الليلة في %1، %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>الشمس لا تغرب</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>الشمس لا تشرق</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>الغروب %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>المدني %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>البحري %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>الفلكي %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>نهاية الشفق: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>؛ لا ظلام تام</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>مظلم طوال الليل</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>لا ظلام تام الليلة</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>الفجر: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>الشروق %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>القمر: %1، %2 (المضاء %3٪)</translation>
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
        <translation>%1: القدر %2، %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>لا ساعات مظلمة لأجرام السماء العميقة الليلة</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: القدر %2، أعلى ارتفاع %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2، القدر %3، أعلى ارتفاع %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> موقع الرصد: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>شرق|غرب</translation>
    </message>
    <message>
        <source>or</source>
        <translation>أو</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>شمال|جنوب</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>المدينة:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>استخدم موقعي</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> وقت الرصد: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>استخدم وقت النظام</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>ي</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>ش</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>ع</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>الوقت:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>س</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>إزاحة البوصلة:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>أكبر من %1 م.ب</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>لا رد خلال %1 ث</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>رد الخادم %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>انقطع التنزيل بعد %1 من %2 بايت</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>تعذّر إنشاء %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>تعذّر تحميل %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>لا مدخل</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>وحدة التنزيل %1 غير مثبتة</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>جارٍ جلب %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>جارٍ جلب %1: %2 ك.ب</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>؛ لن يُطلب مجددًا قبل 24 ساعة</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2؛ أُبقي على العناصر القديمة</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>رفض الخادم %1؛ لن يُطلب مجددًا قبل %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>جُلب %1 منذ أقل من ساعتين؛ مجددًا بعد %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>هل تقصد %1؟</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>ابحث عن نجم أو كوكب أو جرم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>مقياس التسارع</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>مقياس المغناطيسية</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>الجيروسكوب</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>تعذّرت قراءة مستشعرات الحركة في %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>قراءات مقياس التسارع غير معقولة (قد يكون مقياسه خاطئًا).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>قراءات مقياس المغناطيسية غير معقولة (قد يكون مقياسه خاطئًا).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>مقياس %1 ليس عددًا صالحًا.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>تعذّرت قراءة مصفوفة تركيب %1.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>لم يُعثر على %1 في %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>يناير</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>ديسمبر</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>الشمس</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>غدًا %1</translation>
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
        <translation>%1، %2 %3 %4</translation>
    </message>
    <message>
        <source>no position fix within %1 s</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>لم يُحدَّد الموقع خلال %1 ث</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 ليس جهازًا تسلسليًا تمكن قراءته</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>تتعذّر قراءة %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>تعذّرت قراءة %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>لم يرسل التدفق أي جملة NMEA خلال %1 ث</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>فشل تدفق NMEA: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: يحتاج جهازًا تسلسليًا أو ملفًا أو host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>لا يوجد جهاز تسلسلي كهذا: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>لا يوجد ملف NMEA كهذا: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>المتوقع nmea:DEVICE أو nmea:FILE أو nmea:HOST:PORT، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>وحدة تحديد الموقع %1 غير مثبتة</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;القائمة</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>مربع التنقل</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>أدخل عددًا صحيحًا هنا.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>الساعات من 0 إلى 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>الدقائق من 0 إلى 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>الثواني من 0 إلى 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>الأشهر من 1 إلى 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>السنوات من 1601 إلى 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>لا يوجد تاريخ %1.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>تقفز الساعات عن %1 يوم %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>لا توجد مدينة باسم «%1».</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>توجد عدة مدن باسم «%1»: اختر إحداها.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>الآن: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>، قرب %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>جارٍ تحديد موقعك…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>لا موقع: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>مُلئ موقعك.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>أين أنت؟ اختر مدينة أو استخدم موقعك</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>مكان الخريطة ووقتها</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>أدخل درجات خط الطول ودقائقه وثوانيه.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>أدخل درجات خط العرض ودقائقه وثوانيه.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>خطوط العرض من 0 إلى 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>يحوي الرد %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>يحوي الرد عناصر من النوع الآخر</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>جارٍ تحديث الأقمار الصناعية…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>جارٍ تحديث المذنبات والكويكبات…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>حُدّثت الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>حُدّثت المذنبات والكويكبات</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>تعذّرت قراءة %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 أكبر من 64 م.ب؛ لم يُستورد شيء</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2؛ لم يُستورد شيء</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد الأقمار الصناعية المستوردة: %n، باسم %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
            <numerusform>عدد المذنبات والكويكبات المستوردة: %n، باسم %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>استيراد العناصر</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>الليلة</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>الشبكة الاستوائية</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>الشبكة الأفقية</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>خطوط الكوكبات</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>حدود الكوكبات</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>المجموعة الشمسية</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>أسماء الكوكبات</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>أسماء النجوم</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>سطح الأرض</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>ضوء النهار</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>دائرة البروج</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>السماء العميقة</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>درب التبانة</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>المذنبات والكويكبات</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>الرؤية الليلية</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>إعادة التكبير (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>تدوير مع عقارب الساعة</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>تدوير عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>مواقع دقيقة</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>التوجيه إلى السماء</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>انتقل إلى</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>كوكبة</translation>
    </message>
    <message>
        <source>East</source>
        <translation>الشرق</translation>
    </message>
    <message>
        <source>North</source>
        <translation>الشمال</translation>
    </message>
    <message>
        <source>South</source>
        <translation>الجنوب</translation>
    </message>
    <message>
        <source>West</source>
        <translation>الغرب</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>السمت الرأسي</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>الليلة...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>تحديث الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>تحديث المذنبات والكويكبات</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>استيراد العناصر...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>التحديث أسبوعيًا</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>الإعدادات...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>لا موقع: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>المكان: %1 (يُغيَّر في الإعدادات)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>تعذّر إنشاء المجلد</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>تعذّر حفظ الإعدادات في
%1
(%2).

أفرغ بعض المساحة أو اجعل المجلد قابلًا للكتابة، ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>إغلاق دون حفظ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>عطارد</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>الزهرة</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>المريخ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>المشتري</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>زحل</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>أورانوس</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>نبتون</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>بلوتو</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>لا عناصر مدارية صالحة فيه</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>السطر %1: أكثر من %2 جرم، وتُرك الباقي</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>ليس سطر مذنب أو كوكب صغير</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>لا عناصر لمذنبات أو كواكب صغيرة</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>ليس JSON صالحًا</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>ليس XML صالحًا: %1 عند البايت %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>لم يُعثر على مجموعات عناصر</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
            <numerusform>لا مجموعة عناصر صالحة (عدد المتخطى: %n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 ليس ملف عناصر (كبير جدًا)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>القمر الصناعي %1: عناصره لا تعطي مدارًا (خطأ النموذج %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>السطر %1: السطر 2 من المجموعة مفقود</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>السطر %1: السطر 1 من المجموعة مفقود</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>تتعذّر المراقبة على %1: %2؛ لن تجد التشغيلات اللاحقة هذه النافذة</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>مجلد التشغيل %1 ليس خاصًا بهذا المستخدم؛ لم يُعثر على مجلد خاص به</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>مجلد التشغيل %1 ليس خاصًا بهذا المستخدم؛ يُستخدم %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>لا مجلد خاصًا بهذا المستخدم لفحص النسخة الواحدة (halvane-%1 في المجلد المؤقت لشخص آخر)؛ البدء دونه</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>اسم مقبس النسخة الواحدة طويل جدًا (%1)؛ البدء دون الفحص</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>يتعذّر قفل %1: %2؛ البدء دون فحص النسخة الواحدة</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>خادم مستخدم آخر يعمل على %1 بينما تمسك نسخة Halvane من هذه الجلسة بالقفل؛ لن يُتصل به</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>نسخة Halvane من هذه الجلسة تمسك %1 لكنها لا تستجيب</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: القيمة مفقودة</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>يتعذّر فتحه (مفقود، أو ليس ملفًا عاديًا، أو غير قابل للقراءة)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>يتعذّر فتحه (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
            <numerusform>حجمه %n بايت فقط، أقصر من الترويسة ذات 12 بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>تتعذّر قراءة الترويسة</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>نوع فهرس غير معروف (الوسم واسم الملف غير معروفين)؛ حدّده بـ --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>رفض %1 الترويسة</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
            <numerusform>بايتات سجل ناقص في النهاية: %n (يتجاهلها القرّاء)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>أكبر مما قد يكون عليه أي فهرس من نوعه؛ يرفضه القرّاء</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>أسماء ليست UTF-8 صالحًا: %n (يتخطاها القرّاء)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
            <numerusform>مدن بلا اسم أو بلد أو خارج النطاق: %n (يتخطاها القارئ)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
            <numerusform>سجلات إحداثياتها غير منتهية: %n (يتخطاها القرّاء)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
            <numerusform>سجلات مطلعها المستقيم خارج [0, 360) أو ميلها خارج [-90, 90] درجة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
            <numerusform>أسماء بلا بايت صفري في نهايتها: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: يتعذّر الفتح (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: ليس JSON صالحًا عند البايت %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: ليس كائن JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: تتعذّر القراءة</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (انظر halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 يحتاج ملفًا</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 يحتاج مجلدًا</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities يحتاج --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities يحتاج --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: تتعذّر كتابة «%1»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: تتعذّر كتابة «%1»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: تتعذّر قراءة مستشعرات الحركة</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: تتعذّر قراءة %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 كبير جدًا</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 ليس ملف مدن من إصدار معروف</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: لا مدينة في %1</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: لا مدينة بهذا الاسم في %1Cities.dat، والمُعطى «%2»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: لا نجم أو جرم أو كوكبة أو كوكب بهذا الاسم، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: لم تُحمَّل عناصر المذنبات والكويكبات (--minor-bodies FILE)، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>لا مجموعة عناصر</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: لا قمر صناعي بهذا الاسم، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: لا قمر صناعي بهذا الاسم (لا ملف --satellites)، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: لا نجم أو جرم أو كوكبة أو كوكب بهذا الاسم، والمُعطى «%1»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2، والمُعطى %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>المتوقع مجلد</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>المتوقع WxH بأضلاع من 16 إلى 8192 بكسل</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>المتوقع نسبة بكسل من 1 إلى 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>المتوقع عدد من الدرجات</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>المتوقع عدد منتهٍ من الدرجات</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>المتوقع من -90 إلى 90 درجة</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>المتوقع من -360 إلى 360 درجة</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>المتوقع وقت UTC بالشكل YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>المتوقع north أو east أو south أو west أو zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>المتوقع اسم</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>المتوقع ملف عناصر مذنبات أو كواكب صغيرة</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>المتوقع اسم ملف</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>المتوقع من 1 إلى 10 أيام</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>المتوقع عدد صحيح من الخطوات</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>المتوقع سلسلة من l وr وu وd</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>المتوقع X,Y بالبكسل</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>وسيط غير متوقع %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view و--goto: أعطِ واحدًا منهما فقط</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city و--longitude/--latitude: أعطِ واحدًا منهما فقط</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here و--city أو --longitude/--latitude: أعطِ واحدًا منها فقط</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: مع --passes فقط</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: يجب أن تقع النقطة على الخريطة %1x%2، والمُعطى %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>أحد</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>إثنين</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>ثلاثاء</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>أربعاء</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>خميس</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>جمعة</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>سبت</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>ش</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>ش ش ق</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>ش ق</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>ق ش ق</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>ق</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>ق ج ق</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>ج ق</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>ج ج ق</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>ج</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>ج ج غ</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>ج غ</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>غ ج غ</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>غ</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>غ ش غ</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>ش غ</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>ش ش غ</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>تُطبَّق اللغة الجديدة عند التشغيل التالي.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>المتوقَّع أحد: %1</translation>
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
        <translation>الاستخدام: halvane-render [options]
  --data DIR        مجلد Stars.dat وConLin.dat وConBon.dat وLabels.dat
                    (الافتراضي: بجانب البرنامج، وإلا ../share/halvane،
                    وإلا مجلدات بيانات XDG)
  --size WxH        حجم الخريطة بالبكسل (الافتراضي 240x294)
  --scale R         بكسلات الجهاز لكل بكسل من الخريطة، من 1 إلى 4، كما على
                    شاشة HiDPI؛ ملف PNG أكبر R مرة (الافتراضي 1)
  --longitude DEG   بالدرجات، موجب غربًا   } الافتراضي: Config.dat في مجلد
  --latitude DEG    بالدرجات، موجب شمالًا  } البيانات، وإلا القيم المدمجة
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (الافتراضي: الآن)
  --view DIR        north أو east أو south أو west أو zenith (الافتراضي: zenith)
  --goto NAME       التوجه إلى نجم أو جرم أو كوكبة أو كوكب بالاسم
  --minor-bodies FILE
                    عناصر مذنبات (CometEls.txt) أو كواكب صغيرة (MPCORB)
                    لعرضها والبحث عنها ووصفها؛ يمكن تكراره
  --city NAME       الرصد من مدينة في Cities.dat (&quot;Tokyo&quot;، &quot;Paris, FR&quot;)
  --here            الرصد من الموقع الذي يعطيه مصدر الموقع (خلال 30 ث؛
                    بدقة 0.01 درجة ما لم يحفظه Config.dat بدقة)
  --position-source nmea:SOURCE
                    تدفق NMEA: جهاز تسلسلي أو ملف أو HOST:PORT
                    (الافتراضي: ما في Config.dat، وإلا خدمة الموقع في النظام)
  --zoom N          N خطوة تكبير من 90 درجة؛ السالب: خطوات تصغير
  --rotate N        N خطوة من 15 درجة مع عقارب الساعة؛ السالب: عكسها
  --pan KEYS        خطوات بمفاتيح الأسهم، سلسلة من l وr وu وd تُطبَّق بالترتيب
  --layers LIST     مجموعة جزئية مفصولة بفواصل من equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites، أو none (الافتراضي: ما في Config.dat، وإلا
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         المواقع الظاهرية للتاريخ، مع الانكسار (مثل «مواقع دقيقة»
                    في قائمة «عرض»)
  --tap X,Y         التعرف على الجرم عند هذا البكسل وكتابة اسمه
  --language CODE   الأسماء واللوحات والتواريخ بهذه اللغة (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk)؛ وعندئذ يطبع --info و
                    --tonight أسطر اللوحة وقائمة «الليلة» بها
                    بدلًا من أسطر key: value
  --out FILE        كتابة الخريطة بصيغة PNG
  --trace FILE      كتابة كل عملية رسم، واحدة في كل سطر (&quot;-&quot;: stdout)
  --bodies          طباعة الشمس والقمر والكواكب، واحدًا في كل سطر: الاسم،
                    RA بالساعات وDec بالدرجات (J2000، مركزي سطحي)، الارتفاع
                    والسمت بالدرجات كما رُسما، القدر، القطر بالثواني القوسية،
                    الجزء المضاء
  --info NAME       طباعة ما تقوله لوحة المعلومات عن جرم، key: value في كل
                    سطر (الأوقات ISO 8601 محلية، الزوايا بالدرجات والساعات؛
                    وللمذنب أو الكويكب أيضًا r_au وdelta_au وphase_angle
                    وحقبة عناصره)
  --tonight         طباعة قائمة «الليلة» بالطريقة نفسها: الغروب، الشفق،
                    القمر، كل كوكب
  --satellites FILE عناصر الأقمار الصناعية (TLE أو 3LE أو OMM بصيغة CSV أو
                    JSON أو XML): ترسمها طبقة الأقمار الصناعية، ويعرفها --info و--tap
  --passes NAME     طباعة مرات مرور القمر الصناعي، واحدة في كل سطر: pass START
                    AZ ALT MAX AZ ALT END AZ ALT MAG VISIBLE (الأوقات ISO 8601
                    UTC، البداية والنهاية عند ارتفاع هندسي 0 درجة، MAG &apos;-&apos; إذا
                    كان مجهولًا، visible أو unseen)
  --days N          مرات المرور خلال N يوم (من 1 إلى 10) من الوقت؛ الافتراضي:
                    الليلة القادمة حتى الظهر المحلي التالي
  --night           أحمر على أسود، كما في الرؤية الليلية
  --caption         عنوان النافذة: الوقت المعطى، في منطقة أقرب مدينة إلى المكان
                    ضمن 100 كم (وإلا منطقة الجهاز)، وحد قدر النجوم
  --sensors         التوجه حيث يشير الجهاز، من مقياس التسارع ومقياس المغناطيسية
                    (HALVANE_IIO_DEVICES يسمي مجلد sysfs آخر)، وطباعة
                    &apos;aim azimuth A altitude H roll R&apos; بالدرجات، من الشمال الحقيقي

يحوي التتبع عملية رسم واحدة في كل سطر، بترتيب الرسم؛ الإحداثيات بكسلات الخريطة
(left, top, right, bottom للمستطيلات)، والألوان RRGGBB بالست عشري:
  fill L T R B BRUSH          BRUSH: black أو white أو gray
  pen RRGGBB                  لون الخطوط التالية
  textcolor RRGGBB            لون النص التالي
  transparent                 نص دون خلفية من هنا فصاعدًا
  polyline N X1 Y1 ... XN YN  خط عبر N نقطة
  text L T R B FLAGS &quot;TEXT&quot;   TEXT بترميز UTF-8 داخل المستطيل، وFLAGS عدد؛
                              \&quot; علامة اقتباس، \\ شرطة مائلة عكسية، \xNN
                              البايت NN لمحرف تحكم أو UTF-8 معطوب
  blit X Y W H SX SY OP       صورة W x H من (SX, SY) في ورقة رسوم
                              أو مخزن مؤقت إلى (X, Y)؛ OP: copy أو or
الوسائط ومحتويات الملفات المُعادة في الرسائل تُهرَّب بالطريقة نفسها وتُقطع
بـ &quot;...&quot; بعد 120 بايت.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>انحراف البوصلة بين -180 و180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>المتوقَّع none أو قائمة من: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
            <numerusform>سجلات تالفة: %n (يتخطاها القارئ)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: لا موضع في ذلك الوقت لـ «%2»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (انظر halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 يحتاج ملفًا</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 يحتاج مجلدًا</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build يحتاج --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build يحتاج --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>نوع غير معروف «%1»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info يأخذ ملفًا واحدًا</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info يحتاج ملفًا</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>أمر غير معروف «%1»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>الاستخدام: halvane-catalog build --source DIR --out DIR [--names FILE]
           halvane-catalog build-cities --source FILE --out DIR
           halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind يحتاج واحدًا من %1</translation>
    </message>
</context>
</TS>
