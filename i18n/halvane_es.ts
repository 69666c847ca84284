<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>galaxia espiral</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>galaxia lenticular</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>galaxia esferoidal enana</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>galaxia elíptica</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>galaxia irregular</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaxia</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>cúmulo de galaxias</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>cúmulo abierto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>cúmulo globular</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nebulosa brillante</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>nebulosa de emisión</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>nebulosa de reflexión</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>región de formación estelar</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nebulosa planetaria</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>nebulosa oscura</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>remanente de supernova</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>estrellas %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>el Sol</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Luna</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>planeta enano</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Aún no hay elementos de cometas ni asteroides: «Actualizar cometas y asteroides» los descarga</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>asteroide</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objeto de cielo profundo</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constelación</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>asterismo</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 UA</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>; tránsito %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Sobre el horizonte; aquí nunca se pone</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Sobre el horizonte; no se pone en las próximas 24 horas</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Bajo el horizonte: aquí nunca sale</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Bajo el horizonte: no sale en las próximas 24 horas</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>sale a las %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>tránsito %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>se pone a las %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Sobre el horizonte; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Bajo el horizonte: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>menguante</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>objeto Messier</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitud %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, en %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Tamaño %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>También %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Altura %1°, acimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>AR %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>AR %1, Dec %2 (de la fecha)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Distancia %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, tamaño %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, tamaño %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fase: %1, %2 % iluminada</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 UA del Sol, %2 UA de la Tierra</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° del Sol</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Elementos del %1, de hace %2 días</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: la posición puede desviarse varios minutos de arco</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Índice de color B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satélite %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Altura %1°, acimut %2°, a %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>En la sombra de la Tierra</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Iluminado por el Sol</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Sin posición: sus elementos ya no la dan</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: las posiciones pueden desviarse varios minutos</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Próximo paso visible: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Ningún paso visible en los próximos 10 días</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>de %1 %2 a %3 a %4°, hasta %5 %6, visible</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>de %1 %2 a %3 a %4°, hasta %5 %6, no visible</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>sobre el horizonte toda la noche</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>sobre el horizonte toda la noche, con cielo claro</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>no sale esta noche</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>sale %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se pone %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Esta noche, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Esta noche en %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>El Sol no se pone</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>El Sol no sale</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Puesta de Sol %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>civil %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>náutico %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronómico %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Fin del crepúsculo: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; sin oscuridad total</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Oscuro toda la noche</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Sin oscuridad total esta noche</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Amanecer: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Salida del Sol %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Luna: %1, %2 (%3 % iluminada)</translation>
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
        <translation>Esta noche no hay horas oscuras para el cielo profundo</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitud %2, culmina %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitud %3, culmina %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Lugar de observación: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>E|O</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
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
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usar mi ubicación</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Hora de observación: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Usar la hora del sistema</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
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
        <translation>A</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Desvío de la brújula:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>más de %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>la descarga se interrumpió tras %1 de %2 bytes</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>no se puede cargar %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>sin detalles</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>el módulo de descarga %1 no está instalado</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Descargando %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Descargando %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; no se volverá a pedir en 24 horas</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; se conservan los elementos anteriores</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 fue rechazado por el servidor; no se volverá a pedir antes de %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 se descargó hace menos de 2 horas; de nuevo después de %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>¿Quería decir %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Buscar una estrella, un planeta o un objeto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>acelerómetro</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetómetro</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>giroscopio</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>No se pueden leer los sensores de movimiento de %1.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Las lecturas del acelerómetro no son plausibles (puede que su escala sea incorrecta).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Las lecturas del magnetómetro no son plausibles (puede que su escala sea incorrecta).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>La escala del %1 no es un número utilizable.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>No se puede leer la matriz de montaje del %1.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>No se encontró ningún %1 en %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>ene</translation>
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
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
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
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>mañana %1</translation>
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
        <translation>sin posición en %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 no es un dispositivo serie legible</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>el flujo no envió ninguna sentencia NMEA en %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>el flujo NMEA falló: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: necesita un dispositivo serie, un archivo o host:puerto</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>no existe el dispositivo serie: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>no existe el archivo NMEA: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>se esperaba nmea:DISPOSITIVO, nmea:ARCHIVO o nmea:HOST:PUERTO, se recibió «%1»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>el módulo de posición %1 no está instalado</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Cuadro de navegación</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Las horas van de 0 a 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Los minutos van de 0 a 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Los segundos van de 0 a 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Los meses van de 1 a 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Los años van de 1601 a 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>No existe el %1.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Los relojes se saltan las %1 el %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Ninguna ciudad se llama «%1».</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Varias ciudades se llaman «%1»: elija una.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, cerca de %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Buscando su ubicación…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Sin ubicación: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Se ha rellenado su ubicación.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>¿Dónde está? Elija una ciudad o use su ubicación</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>El lugar y la hora del mapa</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Introduzca los grados, minutos y segundos de la longitud.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Introduzca los grados, minutos y segundos de la latitud.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Las latitudes van de 0 a 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>la respuesta contiene %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>la respuesta contiene elementos del otro tipo</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Actualizando satélites…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Actualizando cometas y asteroides…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satélites actualizados</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Cometas y asteroides actualizados</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 supera los 64 MB; no se importó nada</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 contiene %2; no se importó nada</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>Importado %n satélite como %1</numerusform>
            <numerusform>Importados %n satélites como %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>Importado %n cometa o asteroide como %1</numerusform>
            <numerusform>Importados %n cometas y asteroides como %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importar elementos</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Esta noche</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Cuadrícula ecuatorial</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Cuadrícula horizontal</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Líneas de constelaciones</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Límites de constelaciones</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Sistema solar</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Nombres de constelaciones</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Nombres de estrellas</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luz diurna</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Eclíptica</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Cielo profundo</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Vía Láctea</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Cometas y asteroides</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Visión nocturna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Restablecer zoom (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posiciones precisas</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Apuntar al cielo</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelación</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Cenit</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Esta noche...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Actualizar satélites</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Actualizar cometas y asteroides</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importar elementos...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Actualizar cada semana</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Sin ubicación: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Lugar: %1 (se cambia en Configuración)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>No se pudo guardar la configuración en
%1
(%2).

Libere espacio o haga que la carpeta admita escritura y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Plutón</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>no contiene elementos orbitales utilizables</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>línea %1: más de %2 cuerpos, se omite el resto</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>no es una línea de cometa ni de planeta menor</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>ningún elemento de cometa ni de planeta menor</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>JSON no válido</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>XML no válido: %1 en el byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>no se encontró ningún conjunto de elementos</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>ningún conjunto de elementos utilizable (%n omitido)</numerusform>
            <numerusform>ningún conjunto de elementos utilizable (%n omitidos)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 no es un archivo de elementos (demasiado grande)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satélite %1: sus elementos no dan ninguna órbita (error del modelo %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>línea %1: falta la línea 2 del conjunto</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>línea %1: falta la línea 1 del conjunto</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>no se puede escuchar en %1: %2; los próximos inicios no encontrarán esta ventana</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>la carpeta de ejecución %1 no es privada de este usuario; no se encontró una carpeta propia</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>la carpeta de ejecución %1 no es privada de este usuario; se usa %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>no hay carpeta propia de este usuario para la comprobación de instancia única (halvane-%1 en la carpeta temporal es de otra persona); se inicia sin ella</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>el nombre del socket de instancia única es demasiado largo (%1); se inicia sin la comprobación</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>no se puede bloquear %1: %2; se inicia sin la comprobación de instancia única</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>hay un servidor de otro usuario en %1 mientras un Halvane de esta sesión tiene el bloqueo; no se contacta</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>un Halvane de esta sesión tiene %1 pero no responde</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: falta el valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>no se puede abrir (no existe, no es un archivo normal o no se puede leer)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>solo %n byte, menos que la cabecera de 12 bytes</numerusform>
            <numerusform>solo %n bytes, menos que la cabecera de 12 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>no se puede leer la cabecera</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>tipo de catálogo desconocido (etiqueta y nombre de archivo desconocidos); indíquelo con --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>cabecera rechazada por %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte de un registro incompleto al final (los lectores lo ignoran)</numerusform>
            <numerusform>%n bytes de un registro incompleto al final (los lectores los ignoran)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>mayor de lo que puede ser un catálogo de este tipo; los lectores lo rechazan</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nombre que no es UTF-8 válido (los lectores lo omiten)</numerusform>
            <numerusform>%n nombres que no son UTF-8 válido (los lectores los omiten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n ciudad sin nombre o país, o fuera de rango (el lector la omite)</numerusform>
            <numerusform>%n ciudades sin nombre o país, o fuera de rango (el lector las omite)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n registro con coordenadas no finitas (los lectores lo omiten)</numerusform>
            <numerusform>%n registros con coordenadas no finitas (los lectores los omiten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n registro con ascensión recta fuera de [0, 360) o declinación fuera de [-90, 90] grados</numerusform>
            <numerusform>%n registros con ascensión recta fuera de [0, 360) o declinación fuera de [-90, 90] grados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nombre sin byte cero final</numerusform>
            <numerusform>%n nombres sin byte cero final</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: no se puede abrir (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: JSON no válido en el byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: no es un objeto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (vea halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities necesita --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities necesita --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: no se puede escribir «%1»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: no se puede escribir «%1»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: no se pueden leer los sensores de movimiento</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: no se puede leer %1</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 es demasiado grande</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 no es un archivo de ciudades de una versión conocida</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 no contiene ninguna ciudad</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: ninguna ciudad con ese nombre en %1Cities.dat, se recibió «%2»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: ninguna estrella, objeto, constelación o planeta con ese nombre, se recibió «%1»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: no hay elementos de cometas ni asteroides cargados (--minor-bodies FILE), se recibió «%1»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>ningún conjunto de elementos</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: ningún satélite con ese nombre, se recibió «%1»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: ningún satélite con ese nombre (sin archivo --satellites), se recibió «%1»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: ninguna estrella, objeto, constelación o planeta con ese nombre, se recibió «%1»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, se recibió %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>se esperaba una carpeta</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>se esperaba WxH con lados de 16 a 8192 píxeles</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>se esperaba una relación de píxeles de 1 a 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>se esperaba un número de grados</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>se esperaba un número finito de grados</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>se esperaba de -90 a 90 grados</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>se esperaba de -360 a 360 grados</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>se esperaba una hora UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>se esperaba north, east, south, west o zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>se esperaba un nombre</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>se esperaba un archivo de elementos de cometas o planetas menores</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>se esperaba un nombre de archivo</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>se esperaba de 1 a 10 días</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>se esperaba un número entero de pasos</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>se esperaba una cadena de l, r, u y d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>se esperaba X,Y en píxeles</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view y --goto: indique solo uno de ellos</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city y --longitude/--latitude: indique solo uno de ellos</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here y --city o --longitude/--latitude: indique solo uno de ellos</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: solo con --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: el punto debe estar en el mapa de %1x%2, se recibió %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>sáb</translation>
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
        <translation>SSO</translation>
    </message>
    <message>
        <source>SW</source>
        <comment>compass point</comment>
        <translation>SO</translation>
    </message>
    <message>
        <source>WSW</source>
        <comment>compass point</comment>
        <translation>OSO</translation>
    </message>
    <message>
        <source>W</source>
        <comment>compass point</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>WNW</source>
        <comment>compass point</comment>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NW</source>
        <comment>compass point</comment>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNW</source>
        <comment>compass point</comment>
        <translation>NNO</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Un idioma nuevo se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>se esperaba uno de %1</translation>
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
        <translation>uso: halvane-render [options]
  --data DIR        carpeta de Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (predeterminado: junto al ejecutable, si no ../share/halvane,
                    si no las carpetas de datos XDG)
  --size WxH        tamaño del mapa en píxeles (predeterminado 240x294)
  --scale R         píxeles del dispositivo por píxel del mapa, de 1 a 4, como en una pantalla HiDPI;
                    el PNG es R veces el tamaño (predeterminado 1)
  --longitude DEG   grados, positivos al oeste } predeterminado: Config.dat de la carpeta
  --latitude DEG    grados, positivos al norte } de datos, si no los valores incorporados
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (predeterminado: ahora)
  --view DIR        north, east, south, west o zenith (predeterminado: zenith)
  --goto NAME       apuntar a una estrella, objeto, constelación o planeta por su nombre
  --minor-bodies FILE
                    elementos de cometas (CometEls.txt) o planetas menores (MPCORB) para
                    mostrar, buscar y describir; se puede repetir
  --city NAME       observar desde una ciudad de Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            observar desde la posición que da la fuente de posición (en
                    30 s; a 0,01 grados salvo que Config.dat la guarde exacta)
  --position-source nmea:SOURCE
                    un flujo NMEA: un dispositivo serie, un archivo o HOST:PORT
                    (predeterminado: el de Config.dat, si no el servicio de ubicación del sistema)
  --zoom N          N pasos de acercamiento desde 90 grados; negativo: pasos de alejamiento
  --rotate N        N pasos de 15 grados en sentido horario; negativo: antihorario
  --pan KEYS        pasos de las teclas de flecha, una cadena de l, r, u, d, aplicados en orden
  --layers LIST     subconjunto separado por comas de equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, o none (predeterminado: el de Config.dat, si no horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         posiciones aparentes de la fecha, con refracción (como
                    Posiciones precisas del menú Ver)
  --tap X,Y         identificar el objeto en este píxel y escribir su nombre
  --language CODE   nombres, paneles y fechas en este idioma (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info y
                    --tonight escriben entonces las líneas del panel y de «Esta noche» en él
                    en lugar de sus líneas key: value
  --out FILE        escribir el mapa como PNG
  --trace FILE      escribir cada operación de dibujo, una por línea (&quot;-&quot;: stdout)
  --bodies          mostrar el Sol, la Luna y los planetas, uno por línea: nombre,
                    AR en horas y Dec en grados (J2000, topocéntricas), altura y
                    acimut en grados tal como se dibujan, magnitud, diámetro en
                    segundos de arco, fracción iluminada
  --info NAME       mostrar lo que el panel de información dice de un objeto, una
                    clave: valor por línea (horas ISO 8601 locales, ángulos en grados y
                    horas; para un cometa o asteroide también r_au, delta_au,
                    phase_angle y la época de sus elementos)
  --tonight         mostrar igualmente la lista Esta noche: puesta de Sol, crepúsculo,
                    la Luna, cada planeta
  --satellites FILE elementos de satélites (TLE, 3LE u OMM como CSV, JSON o XML):
                    dibujados por la capa de satélites, conocidos por --info y --tap
  --passes NAME     mostrar los pasos del satélite, uno por línea: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (horas ISO 8601 UTC, el
                    inicio y el fin a 0 grados de altura geométrica, MAG &apos;-&apos; si es
                    desconocida, visible o unseen)
  --days N          pasos durante N días (1 a 10) desde la hora; predeterminado: la
                    próxima noche, hasta el siguiente mediodía local
  --night           rojo sobre negro, como lo muestra la visión nocturna
  --caption         el título de la ventana: la hora dada, en la zona de la ciudad más cercana
                    al lugar en 100 km (si no la del dispositivo), y la magnitud límite
  --sensors         apuntar adonde apunta el dispositivo, según su acelerómetro y
                    magnetómetro (HALVANE_IIO_DEVICES indica otra carpeta sysfs), y
                    mostrar &apos;aim azimuth A altitude H roll R&apos; en grados, norte geográfico

La traza tiene una operación de dibujo por línea, en el orden de dibujo; las coordenadas
son píxeles del mapa (izquierda, arriba, derecha, abajo en los rectángulos), los colores RRGGBB en hex:
  fill L T R B BRUSH          BRUSH: black, white o gray
  pen RRGGBB                  color de las líneas siguientes
  textcolor RRGGBB            color del texto siguiente
  transparent                 texto sin fondo a partir de aquí
  polyline N X1 Y1 ... XN YN  una línea que pasa por N puntos
  text L T R B FLAGS &quot;TEXT&quot;   TEXT en UTF-8 dentro del rectángulo, FLAGS como
                              número; \&quot; es una comilla, \\ una barra invertida, \xNN el
                              byte NN de un carácter de control o de UTF-8 roto
  blit X Y W H SX SY OP       una imagen de W x H desde (SX, SY) de una hoja de sprites
                              o búfer hasta (X, Y); OP: copy u or
Los argumentos y contenidos de archivos citados en los mensajes se escapan igual y se
cortan con &quot;...&quot; tras 120 bytes.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>La desviación de la brújula va de -180 a 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>se esperaba none o una lista de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n registro dañado (el lector lo omite)</numerusform>
            <numerusform>%n registros dañados (el lector los omite)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: ninguna posición en ese momento para «%2»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (vea halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 necesita un archivo</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 necesita una carpeta</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build necesita --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build necesita --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>tipo desconocido «%1»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info admite un solo archivo</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info necesita un archivo</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>uso: halvane-catalog build --source DIR --out DIR [--names FILE]
     halvane-catalog build-cities --source FILE --out DIR
     halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind necesita uno de los valores %1</translation>
    </message>
</context>
</TS>
