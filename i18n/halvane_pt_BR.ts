<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>galáxia espiral</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>galáxia lenticular</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>galáxia anã esferoidal</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>galáxia elíptica</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>galáxia irregular</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galáxia</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>aglomerado de galáxias</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>aglomerado aberto</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>aglomerado globular</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nebulosa brilhante</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>nebulosa de emissão</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>nebulosa de reflexão</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>região de formação estelar</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nebulosa planetária</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>nebulosa escura</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>remanescente de supernova</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>estrelas %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>o Sol</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>a Lua</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>planeta anão</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Ainda não há elementos de cometas ou asteroides: “Atualizar cometas e asteroides” os baixa</translation>
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
        <translation>estrela</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objeto de céu profundo</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constelação</translation>
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
        <translation>; trânsito %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Acima do horizonte; nunca se põe aqui</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Acima do horizonte; não se põe nas próximas 24 horas</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Abaixo do horizonte: nunca nasce aqui</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Abaixo do horizonte: não nasce nas próximas 24 horas</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>nasce às %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>trânsito %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>se põe às %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Acima do horizonte; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Abaixo do horizonte: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>lua nova</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>lua cheia</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>quarto crescente</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>quarto minguante</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>crescente</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>minguante</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa crescente</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa minguante</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>objeto Messier</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitude %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, em %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Tamanho %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Também %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Altura %1°, azimute %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>AR %1, Dec %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>AR %1, Dec %2 (da data)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Distância %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, tamanho %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, tamanho %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Fase: %1, %2 % iluminada</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 UA do Sol, %2 UA da Terra</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° do Sol</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Elementos de %1, com %2 dias</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>: a posição pode errar por minutos de arco</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Índice de cor B−V %1</translation>
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
        <translation>Altura %1°, azimute %2°, a %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Na sombra da Terra</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Iluminado pelo Sol</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Sem posição: seus elementos não a fornecem mais</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>: as posições podem errar por minutos</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Próxima passagem visível: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Nenhuma passagem visível nos próximos 10 dias</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>de %1 %2 a %3 a %4°, até %5 %6, visível</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>de %1 %2 a %3 a %4°, até %5 %6, não visível</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>acima do horizonte a noite toda</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>acima do horizonte a noite toda, com céu claro</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>não nasce esta noite</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>nasce %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se põe %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Esta noite, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Esta noite em %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>O Sol não se põe</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>O Sol não nasce</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Pôr do sol %1</translation>
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
        <translation>astronômico %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Fim do crepúsculo: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>; sem escuridão total</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Escuro a noite toda</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Sem escuridão total esta noite</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Alvorada: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Nascer do sol %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Lua: %1, %2 (%3 % iluminada)</translation>
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
        <translation>Nenhuma hora escura para o céu profundo esta noite</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1: magnitude %2, culmina %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1: %2, magnitude %3, culmina %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Local de observação: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>L|O</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Usar minha localização</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Hora da observação: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Usar a hora do sistema</translation>
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
        <translation>Desvio da bússola:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>maior que %1 MB</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sem resposta em %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>o servidor respondeu %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>o download foi interrompido após %1 de %2 bytes</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>não é possível carregar %1: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>sem detalhes</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>o módulo de download %1 não está instalado</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Baixando %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Baixando %1: %2 kB</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>; nova solicitação só em 24 horas</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1: %2; os elementos antigos são mantidos</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 foi recusado pelo servidor; nova solicitação só após %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 foi baixado há menos de 2 horas; de novo após %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Você quis dizer %1?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Encontrar uma estrela, um planeta ou um objeto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Encontrar</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>acelerômetro</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnetômetro</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>giroscópio</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Os sensores de movimento em %1 não podem ser lidos.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>As leituras do acelerômetro não são plausíveis (sua escala pode estar errada).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>As leituras do magnetômetro não são plausíveis (sua escala pode estar errada).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>A escala do %1 não é um número utilizável.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>A matriz de montagem do %1 não pode ser lida.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Nenhum %1 foi encontrado em %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>fev</translation>
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
        <translation>mai</translation>
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
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>amanhã %1</translation>
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
        <translation>nenhuma posição obtida em %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 não é um dispositivo serial legível</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>o fluxo não enviou nenhuma sentença NMEA em %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>o fluxo NMEA falhou: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: precisa de um dispositivo serial, um arquivo ou host:porta</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>dispositivo serial inexistente: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>arquivo NMEA inexistente: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>esperado nmea:DISPOSITIVO, nmea:ARQUIVO ou nmea:HOST:PORTA, recebido “%1”</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>o módulo de posição %1 não está instalado</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Caixa de navegação</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>As horas vão de 0 a 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Os minutos vão de 0 a 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Os segundos vão de 0 a 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Os meses vão de 1 a 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Os anos vão de 1601 a 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Não existe %1.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Os relógios pulam %1 em %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Nenhuma cidade chamada “%1”.</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Várias cidades se chamam “%1”: escolha uma.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, perto de %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Obtendo sua localização…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Sem localização: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Sua localização foi preenchida.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Onde você está? Escolha uma cidade ou use sua localização</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>O local e a hora do mapa</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Digite os graus, minutos e segundos da longitude.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Digite os graus, minutos e segundos da latitude.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>As latitudes vão de 0 a 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>a resposta contém %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>a resposta contém elementos do outro tipo</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Atualizando satélites…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Atualizando cometas e asteroides…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satélites atualizados</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Cometas e asteroides atualizados</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 é maior que 64 MB; nada foi importado</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 contém %2; nada foi importado</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>%n satélite importado como %1</numerusform>
            <numerusform>%n satélites importados como %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>%n cometa ou asteroide importado como %1</numerusform>
            <numerusform>%n cometas e asteroides importados como %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importar elementos</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Esta noite</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Grade equatorial</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Grade horizontal</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Linhas das constelações</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Limites das constelações</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Sistema solar</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Nomes das constelações</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Nomes das estrelas</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Luz do dia</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Eclíptica</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Céu profundo</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Via Láctea</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Cometas e asteroides</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Visão noturna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Redefinir zoom (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posições precisas</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Apontar para o céu</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Ir para</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constelação</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zênite</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Encontrar...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Esta noite...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Atualizar satélites</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Atualizar cometas e asteroides</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importar elementos...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Atualizar semanalmente</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configurações...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Sem localização: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Local: %1 (altere em Configurações)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>a pasta não pode ser criada</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Não foi possível salvar as configurações em
%1
(%2).

Libere espaço ou torne a pasta gravável e tente novamente.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fechar sem salvar</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Plutão</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>nenhum elemento orbital utilizável nele</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>linha %1: mais de %2 corpos, o restante foi omitido</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>não é uma linha de cometa ou planeta menor</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>nenhum elemento de cometa ou planeta menor</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>JSON inválido</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>XML inválido: %1 no byte %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>nenhum conjunto de elementos encontrado</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>nenhum conjunto de elementos utilizável (%n ignorado)</numerusform>
            <numerusform>nenhum conjunto de elementos utilizável (%n ignorados)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 não é um arquivo de elementos (grande demais)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satélite %1: seus elementos não dão nenhuma órbita (erro do modelo %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>linha %1: falta a linha 2 do conjunto</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>linha %1: falta a linha 1 do conjunto</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>não é possível escutar em %1: %2; inicializações posteriores não encontrarão esta janela</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>a pasta de execução %1 não é privada deste usuário; nenhuma pasta própria encontrada</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>a pasta de execução %1 não é privada deste usuário; usando %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>nenhuma pasta própria deste usuário para a verificação de instância única (halvane-%1 na pasta temporária é de outra pessoa); iniciando sem ela</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>o nome do socket de instância única é longo demais (%1); iniciando sem a verificação</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>não é possível bloquear %1: %2; iniciando sem a verificação de instância única</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>o servidor de outro usuário está em %1 enquanto um Halvane desta sessão detém o bloqueio; sem contato</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>um Halvane desta sessão detém %1, mas não responde</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1: valor ausente</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>não pode ser aberto (ausente, não é um arquivo comum ou ilegível)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>não pode ser aberto (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>apenas %n byte, menos que o cabeçalho de 12 bytes</numerusform>
            <numerusform>apenas %n bytes, menos que o cabeçalho de 12 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>o cabeçalho não pode ser lido</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>tipo de catálogo desconhecido (marca e nome de arquivo desconhecidos); indique-o com --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>cabeçalho rejeitado por %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n byte de um registro parcial no final (ignorado pelos leitores)</numerusform>
            <numerusform>%n bytes de um registro parcial no final (ignorados pelos leitores)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>maior do que qualquer catálogo desse tipo pode ser; os leitores o recusam</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nome que não é UTF-8 válido (ignorado pelos leitores)</numerusform>
            <numerusform>%n nomes que não são UTF-8 válido (ignorados pelos leitores)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n cidade sem nome ou país, ou fora do intervalo (ignorada pelo leitor)</numerusform>
            <numerusform>%n cidades sem nome ou país, ou fora do intervalo (ignoradas pelo leitor)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n registro com coordenadas não finitas (ignorado pelos leitores)</numerusform>
            <numerusform>%n registros com coordenadas não finitas (ignorados pelos leitores)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n registro com ascensão reta fora de [0, 360) ou declinação fora de [-90, 90] graus</numerusform>
            <numerusform>%n registros com ascensão reta fora de [0, 360) ou declinação fora de [-90, 90] graus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nome sem byte zero final</numerusform>
            <numerusform>%n nomes sem byte zero final</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1: não é possível abrir (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1: JSON inválido no byte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1: não é um objeto JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (veja halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 precisa de um arquivo</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities precisa de --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities precisa de --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out: não é possível gravar “%1”</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace: não é possível gravar “%1”</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors: os sensores de movimento não podem ser lidos</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city: %1 não pode ser lido</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city: %1 é grande demais</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city: %1 não é um arquivo de cidades de versão conhecida</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city: %1 não contém nenhuma cidade</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city: nenhuma cidade com esse nome em %1Cities.dat, recebido “%2”</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto: nenhuma estrela, objeto, constelação ou planeta com esse nome, recebido “%1”</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto: nenhum elemento de cometa ou asteroide carregado (--minor-bodies FILE), recebido “%1”</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>nenhum conjunto de elementos</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes: nenhum satélite com esse nome, recebido “%1”</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes: nenhum satélite com esse nome (sem arquivo --satellites), recebido “%1”</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info: nenhuma estrela, objeto, constelação ou planeta com esse nome, recebido “%1”</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1: %2, recebido %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>esperada uma pasta</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>esperado WxH com lados de 16 a 8192 pixels</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>esperada uma proporção de pixels de 1 a 4</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>esperado um número de graus</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>esperado um número finito de graus</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>esperado de -90 a 90 graus</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>esperado de -360 a 360 graus</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>esperada uma hora UTC YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>esperado north, east, south, west ou zenith</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>esperado um nome</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>esperado um arquivo de elementos de cometas ou planetas menores</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>esperado um nome de arquivo</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>esperado de 1 a 10 dias</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>esperado um número inteiro de passos</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>esperada uma sequência de l, r, u e d</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>esperado X,Y em pixels</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view e --goto: informe apenas um deles</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city e --longitude/--latitude: informe apenas um deles</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here e --city ou --longitude/--latitude: informe apenas um deles</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days: só com --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap: o ponto deve estar no mapa de %1x%2, recebido %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>sex</translation>
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
        <translation>L</translation>
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
        <translation>Um novo idioma vale a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>esperado um de %1</translation>
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
  --data DIR        pasta de Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (padrão: ao lado do executável, senão ../share/halvane,
                    senão as pastas de dados XDG)
  --size WxH        tamanho do mapa em pixels (padrão 240x294)
  --scale R         pixels do dispositivo por pixel do mapa, de 1 a 4, como numa tela HiDPI;
                    o PNG tem R vezes o tamanho (padrão 1)
  --longitude DEG   graus, positivos a oeste } padrão: Config.dat na pasta de
  --latitude DEG    graus, positivos ao norte } dados, senão os valores embutidos
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (padrão: agora)
  --view DIR        north, east, south, west ou zenith (padrão: zenith)
  --goto NAME       apontar para uma estrela, objeto, constelação ou planeta pelo nome
  --minor-bodies FILE
                    elementos de cometas (CometEls.txt) ou planetas menores (MPCORB) para
                    mostrar, encontrar e descrever; pode ser repetido
  --city NAME       observar de uma cidade de Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            observar da posição dada pela fonte de posição (em até
                    30 s; com 0,01 grau, a menos que Config.dat a mantenha exata)
  --position-source nmea:SOURCE
                    um fluxo NMEA: um dispositivo serial, um arquivo ou HOST:PORT
                    (padrão: a de Config.dat, senão o serviço de localização do sistema)
  --zoom N          N passos de aproximação a partir de 90 graus; negativo: passos de afastamento
  --rotate N        N passos de 15 graus no sentido horário; negativo: anti-horário
  --pan KEYS        passos das teclas de seta, uma sequência de l, r, u, d, aplicados em ordem
  --layers LIST     subconjunto separado por vírgulas de equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, ou none (padrão: o de Config.dat, senão horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         posições aparentes da data, com refração (como
                    Posições precisas do menu Exibir)
  --tap X,Y         identificar o objeto neste pixel e escrever seu nome
  --language CODE   nomes, painéis e datas neste idioma (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk); --info e
                    --tonight passam a escrever as linhas do painel e de “Esta noite” nele
                    em vez de suas linhas key: value
  --out FILE        gravar o mapa como PNG
  --trace FILE      gravar cada operação de desenho, uma por linha (&quot;-&quot;: stdout)
  --bodies          imprimir o Sol, a Lua e os planetas, um por linha: nome,
                    AR em horas e Dec em graus (J2000, topocêntricas), altura e
                    azimute em graus como desenhados, magnitude, diâmetro em
                    segundos de arco, fração iluminada
  --info NAME       imprimir o que o painel de informações diz de um objeto, um
                    par chave: valor por linha (horas ISO 8601 locais, ângulos em graus e
                    horas; para um cometa ou asteroide também r_au, delta_au,
                    phase_angle e a época de seus elementos)
  --tonight         imprimir do mesmo modo a lista Esta noite: pôr do sol, crepúsculo,
                    a Lua, cada planeta
  --satellites FILE elementos de satélites (TLE, 3LE ou OMM como CSV, JSON ou XML):
                    desenhados pela camada de satélites, conhecidos por --info e --tap
  --passes NAME     imprimir as passagens do satélite, uma por linha: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (horas ISO 8601 UTC, o
                    início e o fim a 0 grau de altura geométrica, MAG &apos;-&apos; quando
                    desconhecida, visible ou unseen)
  --days N          passagens em N dias (1 a 10) a partir da hora; padrão: a
                    próxima noite, até o próximo meio-dia local
  --night           vermelho sobre preto, como a visão noturna mostra
  --caption         o título da janela: a hora dada, no fuso da cidade mais próxima
                    do local num raio de 100 km (senão o do dispositivo), e a magnitude limite
  --sensors         apontar para onde o dispositivo aponta, pelo seu acelerômetro e
                    magnetômetro (HALVANE_IIO_DEVICES indica outra pasta sysfs), e
                    imprimir &apos;aim azimuth A altitude H roll R&apos; em graus, norte verdadeiro

O trace tem uma operação de desenho por linha, na ordem do desenho; as coordenadas são
pixels do mapa (esquerda, topo, direita, base para retângulos), as cores RRGGBB em hexa:
  fill L T R B BRUSH          BRUSH: black, white ou gray
  pen RRGGBB                  cor das linhas que seguem
  textcolor RRGGBB            cor do texto que segue
  transparent                 texto sem fundo daqui em diante
  polyline N X1 Y1 ... XN YN  uma linha por N pontos
  text L T R B FLAGS &quot;TEXT&quot;   TEXT em UTF-8 dentro do retângulo, FLAGS como
                              número; \&quot; é uma aspa, \\ uma barra invertida, \xNN o
                              byte NN de um caractere de controle ou de UTF-8 quebrado
  blit X Y W H SX SY OP       uma imagem W x H a partir de (SX, SY) de uma folha de sprites
                              ou buffer para (X, Y); OP: copy ou or
Argumentos e conteúdos de arquivos repetidos nas mensagens são escapados do mesmo modo
e cortados com &quot;...&quot; após 120 bytes.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>O desvio da bússola vai de -180 a 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>esperado none ou uma lista de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n registro danificado (ignorado pelo leitor)</numerusform>
            <numerusform>%n registros danificados (ignorados pelo leitor)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1: nenhuma posição nesse momento para “%2”</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (veja halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 precisa de um arquivo</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build precisa de --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build precisa de --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>tipo desconhecido “%1”</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info aceita um só arquivo</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info precisa de um arquivo</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido “%1”</translation>
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
        <translation>--kind precisa de um dos valores %1</translation>
    </message>
</context>
</TS>
