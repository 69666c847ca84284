<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>גלקסיה ספירלית</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>גלקסיה עדשתית</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>גלקסיה ננסית ספרואידלית</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>גלקסיה אליפטית</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>גלקסיה לא סדירה</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>גלקסיה</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>צביר גלקסיות</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>צביר פתוח</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>צביר כדורי</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>ערפילית בהירה</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>ערפילית פליטה</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>ערפילית החזרה</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>אזור היווצרות כוכבים</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>ערפילית פלנטרית</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>ערפילית כהה</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>שארית סופרנובה</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>כוכבים %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>השמש</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>הירח</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>כוכב לכת ננסי</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>כוכב לכת</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>אין עדיין נתוני מסלול של שביטים ואסטרואידים: &quot;עדכון שביטים ואסטרואידים&quot; מוריד אותם</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>אסטרואיד</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>שביט</translation>
    </message>
    <message>
        <source>star</source>
        <translation>כוכב</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>עצם שמיים עמוקים</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>קבוצת כוכבים</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>אסטריזם</translation>
    </message>
    <message>
        <source>object</source>
        <translation>עצם</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 ק״מ</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 יח״א</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; מעבר מרידיאן %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>מעל האופק; אינו שוקע כאן לעולם</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>מעל האופק; אינו שוקע ב־24 השעות הקרובות</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>מתחת לאופק: אינו זורח כאן לעולם</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>מתחת לאופק: אינו זורח ב־24 השעות הקרובות</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>זורח ב־%1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>מעבר מרידיאן %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>שוקע ב־%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>מעל האופק; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>מתחת לאופק: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>שנ</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>מולד</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>ירח מלא</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>רבע ראשון</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>רבע אחרון</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>סהר מתמלא</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>סהר מתמעט</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>גבנוני מתמלא</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>גבנוני מתמעט</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>עצם מסייה</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, בהירות %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, בקבוצת %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>גודל %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>שמות נוספים: %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>גובה %1°, אזימוט %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>עלייה ישרה %1, נטייה %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>עלייה ישרה %1, נטייה %2 (לתאריך)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>מרחק %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, גודל %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, גודל %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>מופע: %1, %2% מואר</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 יח״א מהשמש, %2 יח״א מכדור הארץ</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° מהשמש</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>נתוני מסלול מ־%1, בני %2 ימים</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: המיקום עשוי לסטות בדקות קשת</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>מדד צבע B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>לוויין %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>גובה %1°, אזימוט %2°, במרחק %3 ק״מ</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>בצל כדור הארץ</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>מואר בשמש</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>אין מיקום: נתוני המסלול שלו כבר אינם נותנים מיקום</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: הזמנים עשויים לסטות בדקות</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>המעבר הנראה הבא: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>אין מעבר נראה ב־10 הימים הקרובים</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>%1 %2 עד %3 בגובה %4° עד %5 %6, נראה</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>%1 %2 עד %3 בגובה %4° עד %5 %6, לא נראה</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>מעל האופק כל הלילה</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>מעל האופק כל הלילה, בשמיים בהירים</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>אינו זורח הלילה</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>זריחה %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>שקיעה %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>הלילה, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>הלילה ב%1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>השמש אינה שוקעת</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>השמש אינה זורחת</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>שקיעה %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>אזרחי %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>ימי %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>אסטרונומי %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>סוף הדמדומים: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; ללא חשכה מלאה</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>חשוך כל הלילה</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>אין חשכה מלאה הלילה</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>שחר: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>זריחה %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>ירח: %1, %2 (%3% מואר)</translation>
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
        <translation>%1: בהירות %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>אין הלילה שעות חשוכות לשמיים העמוקים</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: בהירות %2, בשיא הגובה %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, בהירות %3, בשיא הגובה %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> מיקום התצפית: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>קו אורך:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>מזרח|מערב</translation>
    </message>
    <message>
        <source>or</source>
        <translation>או</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>קו רוחב:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>צפון|דרום</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>עיר:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>השתמש במיקום שלי</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> זמן התצפית: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>השתמש בשעון המערכת</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>תאריך:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>י</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>M: the month here, the minutes below</extracomment>
        <translation>ח</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>ש</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>שעה:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>שע</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>תיקון מצפן:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>גדול מ־%1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>אין תשובה בתוך %1 שנ׳</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>השרת השיב %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>ההורדה נקטעה אחרי %1 מתוך %2 בתים</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>לא ניתן ליצור את %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>לא ניתן לכתוב את %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>לא ניתן לטעון את %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>אין רשומה</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>מודול ההורדה %1 אינו מותקן</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>מוריד את %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>מוריד את %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; לא תתבצע בקשה חוזרת במשך 24 שעות</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; נתוני המסלול הישנים נשמרים</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>השרת דחה את %1; לא תתבצע בקשה חוזרת לפני %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 הורד לפני פחות משעתיים; שוב אחרי %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>לא נמצא</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>האם התכוונת ל־%1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>חיפוש כוכב, כוכב לכת או עצם</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>מד תאוצה</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>מגנטומטר</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>ג׳ירוסקופ</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>לא ניתן לקרוא את חיישני התנועה ב־%1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>הקריאות של מד התאוצה אינן סבירות (ייתכן שקנה המידה שלו שגוי).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>הקריאות של המגנטומטר אינן סבירות (ייתכן שקנה המידה שלו שגוי).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>קנה המידה של החיישן %1 אינו מספר שמיש.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>לא ניתן לקרוא את מטריצת ההרכבה של החיישן %1.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>לא נמצא %1 ב־%2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>ינו׳</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>פבר׳</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>מרץ</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>אפר׳</translation>
    </message>
    <message>
        <source>May</source>
        <translation>מאי</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>יוני</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>יולי</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>אוג׳</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>ספט׳</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>אוק׳</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>נוב׳</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>דצמ׳</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>השמש</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>מחר ב־%1</translation>
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
        <translation>לא התקבל מיקום בתוך %1 שנ׳</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 אינו התקן טורי שניתן לקרוא ממנו</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>הזרם לא שלח אף משפט NMEA בתוך %1 שנ׳</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>זרם ה־NMEA נכשל: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: דרוש התקן טורי, קובץ או host:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>אין התקן טורי כזה: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>אין קובץ NMEA כזה: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>נדרש nmea:DEVICE, nmea:FILE או nmea:HOST:PORT, התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>מודול המיקום %1 אינו מותקן</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;תפריט</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>תיבת ניווט</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>יש להזין כאן מספר שלם.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>השעות הן מ־0 עד 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>הדקות הן מ־0 עד 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>השניות הן מ־0 עד 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>החודשים הם מ־1 עד 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>השנים הן מ־1601 עד 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>אין תאריך %1.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>השעונים מדלגים על %1 ב־%2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>אין עיר בשם &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>כמה ערים נקראות &quot;%1&quot;: יש לבחור אחת.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>עכשיו: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, ליד %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>מאתר את מיקומך…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>אין מיקום: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>מיקומך מולא.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>איפה אתה? בחר עיר או השתמש במיקומך</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>המקום והזמן של המפה</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>יש להזין את המעלות, הדקות והשניות של קו האורך.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>יש להזין את המעלות, הדקות והשניות של קו הרוחב.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>קווי הרוחב הם מ־0 עד 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>התשובה מכילה %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>התשובה מכילה נתוני מסלול מהסוג האחר</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>מעדכן לוויינים…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>מעדכן שביטים ואסטרואידים…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>הלוויינים עודכנו</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>השביטים והאסטרואידים עודכנו</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 גדול מ־64 MB; לא יובא דבר</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1: %2; לא יובא דבר</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>יובא לוויין אחד בשם %1</numerusform>
            <numerusform>יובאו %n לוויינים בשם %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>יובא שביט או אסטרואיד אחד בשם %1</numerusform>
            <numerusform>יובאו %n שביטים ואסטרואידים בשם %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>ייבוא נתוני מסלול</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>הלילה</translation>
    </message>
    <message>
        <source>View</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>רשת משוונית</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>רשת אופקית</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>קווי קבוצות כוכבים</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>גבולות קבוצות כוכבים</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>מערכת השמש</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>שמות קבוצות כוכבים</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>שמות כוכבים</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>קרקע</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>אור יום</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>מילקה</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>שמיים עמוקים</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>שביל החלב</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>שביטים ואסטרואידים</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>לוויינים</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>ראיית לילה</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>התקרבות</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>התרחקות</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>איפוס תקריב (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>סיבוב עם כיוון השעון</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>סיבוב נגד כיוון השעון</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>מיקומים מדויקים</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>כיוון לשמיים</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>מעבר אל</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>קבוצת כוכבים</translation>
    </message>
    <message>
        <source>East</source>
        <translation>מזרח</translation>
    </message>
    <message>
        <source>North</source>
        <translation>צפון</translation>
    </message>
    <message>
        <source>South</source>
        <translation>דרום</translation>
    </message>
    <message>
        <source>West</source>
        <translation>מערב</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>זנית</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>חיפוש...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>הלילה...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>עדכון לוויינים</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>עדכון שביטים ואסטרואידים</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>ייבוא נתוני מסלול...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>עדכון שבועי</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>הגדרות...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>אין מיקום: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>מקום: %1 (לשינוי בהגדרות)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>לא ניתן ליצור את התיקייה</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>לא ניתן היה לשמור את ההגדרות אל
%1
(%2).

יש לפנות מקום או לאפשר כתיבה לתיקייה, ולנסות שוב.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>סגירה בלי לשמור</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>הירח</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>כוכב חמה</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>נוגה</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>מאדים</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>צדק</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>שבתאי</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>אורנוס</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>נפטון</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>פלוטו</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>אין בו נתוני מסלול שמישים</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>שורה %1: יותר מ־%2 גופים, השאר הושמטו</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>אינה שורה של שביט או כוכב לכת מינורי</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>שורה %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>אין נתוני מסלול של שביטים או כוכבי לכת מינוריים</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>JSON לא תקין</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>XML לא תקין: %1 בבית %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>הקובץ ריק</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>לא נמצאו ערכות נתוני מסלול</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>אין ערכת נתוני מסלול שמישה (%n דולגה)</numerusform>
            <numerusform>אין ערכת נתוני מסלול שמישה (%n דולגו)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 אינו קובץ נתוני מסלול (גדול מדי)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>לוויין %1: נתוני המסלול שלו אינם נותנים מסלול (שגיאת מודל %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>שורה %1: שורה 2 של הערכה חסרה</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>שורה %1: שורה 1 של הערכה חסרה</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>לא ניתן להאזין ב־%1: %2; הפעלות מאוחרות יותר לא ימצאו חלון זה</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>תיקיית זמן הריצה %1 אינה פרטית למשתמש זה; לא נמצאה תיקייה משלו</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>תיקיית זמן הריצה %1 אינה פרטית למשתמש זה; נעשה שימוש ב־%2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>אין למשתמש זה תיקייה משלו לבדיקת המופע היחיד (halvane-%1 בתיקייה הזמנית שייך למישהו אחר); מתחיל בלעדיה</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>שם השקע של בדיקת המופע היחיד ארוך מדי (%1); מתחיל ללא הבדיקה</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>לא ניתן לנעול את %1: %2; מתחיל ללא בדיקת המופע היחיד</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>שרת של משתמש אחר יושב ב־%1 בעוד ש־Halvane של הפעלה זו מחזיק את הנעילה; לא מתחבר</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>Halvane של הפעלה זו מחזיק את %1 אך אינו עונה</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: חסר ערך</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>אפשרות לא מוכרת &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>לא ניתן לפתוח (חסר, אינו קובץ רגיל או שאינו קריא)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>לא ניתן לפתוח (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>בית אחד בלבד, קצר מהכותרת בת 12 הבתים</numerusform>
            <numerusform>%n בתים בלבד, קצר מהכותרת בת 12 הבתים</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>לא ניתן לקרוא את הכותרת</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>סוג קטלוג לא מוכר (התג ושם הקובץ אינם מוכרים); יש לציין אותו עם --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>הכותרת נדחתה על ידי %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>בית אחד של רשומה חלקית בסוף (הקוראים מתעלמים ממנו)</numerusform>
            <numerusform>%n בתים של רשומה חלקית בסוף (הקוראים מתעלמים מהם)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>גדול מכל קטלוג אפשרי מסוגו; הקוראים דוחים אותו</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>לא ניתן לקריאה</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>שם אחד שאינו UTF-8 תקין (הקוראים מדלגים עליו)</numerusform>
            <numerusform>%n שמות שאינם UTF-8 תקין (הקוראים מדלגים עליהם)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>עיר אחת ללא שם או מדינה, או מחוץ לטווח (הקורא מדלג עליה)</numerusform>
            <numerusform>%n ערים ללא שם או מדינה, או מחוץ לטווח (הקורא מדלג עליהן)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>רשומה אחת עם קואורדינטות לא סופיות (הקוראים מדלגים עליה)</numerusform>
            <numerusform>%n רשומות עם קואורדינטות לא סופיות (הקוראים מדלגים עליהן)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>רשומה אחת עם עלייה ישרה מחוץ ל־[0, 360) או נטייה מחוץ ל־[-90, 90] מעלות</numerusform>
            <numerusform>%n רשומות עם עלייה ישרה מחוץ ל־[0, 360) או נטייה מחוץ ל־[-90, 90] מעלות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>שם אחד ללא בית אפס מסיים</numerusform>
            <numerusform>%n שמות ללא בית אפס מסיים</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: לא ניתן לפתוח (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: JSON לא תקין בבית %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: אינו אובייקט JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: לא ניתן לקריאה</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (ראו halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 דורש קובץ</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 דורש תיקייה</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities דורש --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities דורש --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: לא ניתן לכתוב את &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: לא ניתן לכתוב את &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: לא ניתן לקרוא את חיישני התנועה</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 גדול מדי</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 אינו קובץ ערים בגרסה מוכרת</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: אין ערים ב־%1</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: אין עיר בשם זה ב־%1Cities.dat, התקבל &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: אין כוכב, עצם, קבוצת כוכבים או כוכב לכת בשם זה, התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: לא נטענו נתוני מסלול של שביטים או אסטרואידים (--minor-bodies FILE), התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>אין ערכת נתוני מסלול</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: אין לוויין בשם זה, התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: אין לוויין בשם זה (אין קובץ --satellites), התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: אין כוכב, עצם, קבוצת כוכבים או כוכב לכת בשם זה, התקבל &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, התקבל %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>נדרשת תיקייה</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>נדרש WxH עם צלעות בין 16 ל־8192 פיקסלים</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>נדרש יחס פיקסלים בין 1 ל־4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>נדרש מספר מעלות</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>נדרש מספר מעלות סופי</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>נדרש בין -90 ל־90 מעלות</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>נדרש בין -360 ל־360 מעלות</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>נדרש זמן UTC בתבנית YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>נדרש north, east, south, west או zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>נדרש שם</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>נדרש קובץ נתוני מסלול של שביטים או כוכבי לכת מינוריים</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>נדרש שם קובץ</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>נדרשים 1 עד 10 ימים</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>נדרש מספר שלם של צעדים</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>נדרשת מחרוזת של l, r, u ו־d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>נדרש X,Y בפיקסלים</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>אפשרות לא מוכרת %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>ארגומנט לא צפוי %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view ו־--goto: יש לתת רק אחד מהם</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city ו־--longitude/--latitude: יש לתת רק אחד מהם</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here ו־--city או --longitude/--latitude: יש לתת רק אחד מהם</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: רק עם --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: הנקודה חייבת להיות על המפה בגודל %1x%2, התקבל %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>א׳</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>ב׳</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>ג׳</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>ד׳</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>ה׳</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>ו׳</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>ש׳</translation>
    </message>
    <message>
        <source>N</source>
        <comment>compass point</comment>
        <translation>צ</translation>
    </message>
    <message>
        <source>NNE</source>
        <comment>compass point</comment>
        <translation>צצמז</translation>
    </message>
    <message>
        <source>NE</source>
        <comment>compass point</comment>
        <translation>צמז</translation>
    </message>
    <message>
        <source>ENE</source>
        <comment>compass point</comment>
        <translation>מזצמז</translation>
    </message>
    <message>
        <source>E</source>
        <comment>compass point</comment>
        <translation>מז</translation>
    </message>
    <message>
        <source>ESE</source>
        <comment>compass point</comment>
        <translation>מזדמז</translation>
    </message>
    <message>
        <source>SE</source>
        <comment>compass point</comment>
        <translation>דמז</translation>
    </message>
    <message>
        <source>SSE</source>
        <comment>compass point</comment>
        <translation>דדמז</translation>
    </message>
    <message>
        <source>S</source>
        <comment>compass point</comment>
        <translation>ד</translation>
    </message>
    <message>
        <source>SSW</source>
        <comment>compass point</comment>
        <translation>דדמע</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>דמע</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>מעדמע</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>מע</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>מעצמע</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>צמע</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>צצמע</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>שפה:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>שפת המערכת</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>שפה חדשה תיכנס לתוקף בהפעלה הבאה.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>צפוי אחד מתוך: %1</translation>
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
        <translation>שימוש: halvane-render [options]
  --data DIR        תיקייה של Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (ברירת מחדל: לצד קובץ ההפעלה, אחרת ../share/halvane,
                    אחרת תיקיות הנתונים של XDG)
  --size WxH        גודל המפה בפיקסלים (ברירת מחדל 240x294)
  --scale R         פיקסלים של ההתקן לכל פיקסל של המפה, 1 עד 4, כמו במסך
                    HiDPI; ה־PNG גדול פי R (ברירת מחדל 1)
  --longitude DEG   מעלות, חיובי מערבה   } ברירת מחדל: Config.dat בתיקיית
  --latitude DEG    מעלות, חיובי צפונה   } הנתונים, אחרת ערכים מובנים
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (ברירת מחדל: עכשיו)
  --view DIR        north, east, south, west או zenith (ברירת מחדל: zenith)
  --goto NAME       כיוון לכוכב, עצם, קבוצת כוכבים או כוכב לכת לפי שם
  --minor-bodies FILE
                    נתוני מסלול של שביטים (CometEls.txt) או כוכבי לכת מינוריים
                    (MPCORB) להצגה, לחיפוש ולתיאור; ניתן לחזור עליו
  --city NAME       תצפית מעיר שב־Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            תצפית מהמיקום שנותן מקור המיקום (בתוך 30 שנ׳; ברזולוציה
                    של 0.01 מעלה, אלא אם Config.dat שומר אותו במדויק)
  --position-source nmea:SOURCE
                    זרם NMEA: התקן טורי, קובץ או HOST:PORT
                    (ברירת מחדל: של Config.dat, אחרת שירות המיקום של המערכת)
  --zoom N          N צעדי התקרבות מ־90 מעלות; שלילי: צעדי התרחקות
  --rotate N        N צעדים של 15 מעלות עם כיוון השעון; שלילי: נגד כיוון השעון
  --pan KEYS        צעדי מקשי חצים, מחרוזת של l, r, u, d, לפי הסדר
  --layers LIST     תת־קבוצה מופרדת בפסיקים של equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, או none (ברירת מחדל: של Config.dat, אחרת
                    horizontal,lines,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         מיקומים נראים לתאריך, עם שבירה (כמו &quot;מיקומים מדויקים&quot;
                    בתפריט &quot;תצוגה&quot;)
  --tap X,Y         זיהוי העצם בפיקסל זה וכתיבת שמו
  --language CODE   שמות, לוחות ותאריכים בשפה זו (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); אז --info ו־
                    --tonight מדפיסים בה את שורות הלוח ורשימת „הלילה”
                    במקום שורות key: value
  --out FILE        כתיבת המפה כ־PNG
  --trace FILE      כתיבת כל פעולת ציור, אחת בכל שורה (&quot;-&quot;: stdout)
  --bodies          הדפסת השמש, הירח וכוכבי הלכת, אחד בכל שורה: שם,
                    RA בשעות ו־Dec במעלות (J2000, טופוצנטרי), גובה ואזימוט
                    במעלות כפי שצוירו, בהירות, קוטר בשניות קשת, החלק המואר
  --info NAME       הדפסת מה שחלונית המידע מספרת על עצם, key: value בכל
                    שורה (זמנים ISO 8601 מקומיים, זוויות במעלות ובשעות; לשביט
                    או לאסטרואיד גם r_au, delta_au, phase_angle ואפוכת נתוני
                    המסלול שלו)
  --tonight         הדפסת רשימת &quot;הלילה&quot; באותו אופן: שקיעה, דמדומים, הירח,
                    כל כוכב לכת
  --satellites FILE נתוני מסלול של לוויינים (TLE, 3LE או OMM כ־CSV, JSON או
                    XML): מצוירים בשכבת הלוויינים, מוכרים ל־--info ול־--tap
  --passes NAME     הדפסת מעברי הלוויין, אחד בכל שורה: pass START AZ ALT MAX AZ
                    ALT END AZ ALT MAG VISIBLE (זמנים ISO 8601 UTC, ההתחלה
                    והסוף בגובה גאומטרי 0 מעלות, MAG &apos;-&apos; כשאינו ידוע, visible
                    או unseen)
  --days N          מעברים במשך N ימים (1 עד 10) מהזמן; ברירת מחדל: הלילה
                    הקרוב, עד הצהריים המקומיים הבאים
  --night           אדום על שחור, כמו בראיית לילה
  --caption         כותרת החלון: הזמן הנתון, באזור הזמן של העיר הקרובה למקום
                    בטווח 100 ק״מ (אחרת של ההתקן), וגבול בהירות הכוכבים
  --sensors         כיוון לאן שההתקן מצביע, לפי מד התאוצה והמגנטומטר שלו
                    (HALVANE_IIO_DEVICES מציין תיקיית sysfs אחרת), והדפסת
                    &apos;aim azimuth A altitude H roll R&apos; במעלות, מהצפון האמיתי

המעקב מכיל פעולת ציור אחת בכל שורה, לפי סדר הציור; הקואורדינטות הן פיקסלים
של המפה (left, top, right, bottom למלבנים), הצבעים RRGGBB בהקסדצימלי:
  fill L T R B BRUSH          BRUSH: black, white או gray
  pen RRGGBB                  צבע הקווים הבאים
  textcolor RRGGBB            צבע הטקסט הבא
  transparent                 טקסט ללא רקע מכאן והלאה
  polyline N X1 Y1 ... XN YN  קו דרך N נקודות
  text L T R B FLAGS &quot;TEXT&quot;   TEXT ב־UTF-8 בתוך המלבן, FLAGS כמספר; \&quot; הוא
                              מירכאה, \\ לוכסן הפוך, \xNN הבית NN של תו בקרה
                              או של UTF-8 פגום
  blit X Y W H SX SY OP       תמונה W x H מ־(SX, SY) של גיליון ספרייטים
                              או מאגר אל (X, Y); OP: copy או or
ארגומנטים ותוכן קבצים המוצגים בהודעות מקודדים באותו אופן ונחתכים
עם &quot;...&quot; אחרי 120 בתים.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>סטיית המצפן היא בין ‎-180 ל־180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>צפוי none או רשימה מתוך: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>רשומה פגומה אחת (הקורא מדלג עליה)</numerusform>
            <numerusform>%n רשומות פגומות (הקורא מדלג עליהן)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: אין מיקום בזמן הזה עבור &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (ראו halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>אפשרות לא מוכרת &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 דורש קובץ</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 דורש תיקייה</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build דורש --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build דורש --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>סוג לא מוכר &apos;%1&apos;</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info מקבל קובץ אחד</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info דורש קובץ</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>פקודה לא מוכרת &apos;%1&apos;</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>שימוש: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind דורש אחד מהערכים %1</translation>
    </message>
</context>
</TS>
