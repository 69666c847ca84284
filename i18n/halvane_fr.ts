<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Words</name>
    <message>
        <source>spiral galaxy</source>
        <translation>galaxie spirale</translation>
    </message>
    <message>
        <source>lenticular galaxy</source>
        <translation>galaxie lenticulaire</translation>
    </message>
    <message>
        <source>dwarf spheroidal galaxy</source>
        <translation>galaxie naine sphéroïdale</translation>
    </message>
    <message>
        <source>elliptical galaxy</source>
        <translation>galaxie elliptique</translation>
    </message>
    <message>
        <source>irregular galaxy</source>
        <translation>galaxie irrégulière</translation>
    </message>
    <message>
        <source>galaxy</source>
        <translation>galaxie</translation>
    </message>
    <message>
        <source>galaxy cluster</source>
        <translation>amas de galaxies</translation>
    </message>
    <message>
        <source>open cluster</source>
        <translation>amas ouvert</translation>
    </message>
    <message>
        <source>globular cluster</source>
        <translation>amas globulaire</translation>
    </message>
    <message>
        <source>bright nebula</source>
        <translation>nébuleuse brillante</translation>
    </message>
    <message>
        <source>emission nebula</source>
        <translation>nébuleuse en émission</translation>
    </message>
    <message>
        <source>reflection nebula</source>
        <translation>nébuleuse par réflexion</translation>
    </message>
    <message>
        <source>star-forming nebula</source>
        <translation>région de formation d&apos;étoiles</translation>
    </message>
    <message>
        <source>planetary nebula</source>
        <translation>nébuleuse planétaire</translation>
    </message>
    <message>
        <source>dark nebula</source>
        <translation>nébuleuse obscure</translation>
    </message>
    <message>
        <source>supernova remnant</source>
        <translation>rémanent de supernova</translation>
    </message>
    <message>
        <source>stars %1</source>
        <extracomment>%1 is how many magnitudes fainter (+) or brighter (-) the shown stars go</extracomment>
        <translation>étoiles %1</translation>
    </message>
    <message>
        <source>the Sun</source>
        <translation>le Soleil</translation>
    </message>
    <message>
        <source>the Moon</source>
        <translation>la Lune</translation>
    </message>
    <message>
        <source>dwarf planet</source>
        <translation>planète naine</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planète</translation>
    </message>
    <message>
        <source>No comet or asteroid elements yet: &quot;Update comets and asteroids&quot; fetches them</source>
        <translation>Pas encore d&apos;éléments de comètes ou d&apos;astéroïdes&#xa0;: «&#xa0;Mettre à jour comètes et astéroïdes&#xa0;» les télécharge</translation>
    </message>
    <message>
        <source>asteroid</source>
        <translation>astéroïde</translation>
    </message>
    <message>
        <source>comet</source>
        <translation>comète</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>deep-sky object</source>
        <translation>objet du ciel profond</translation>
    </message>
    <message>
        <source>constellation</source>
        <translation>constellation</translation>
    </message>
    <message>
        <source>asterism</source>
        <translation>astérisme</translation>
    </message>
    <message>
        <source>object</source>
        <translation>objet</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 AU</source>
        <extracomment>astronomical units</extracomment>
        <translation>%1 ua</translation>
    </message>
    <message>
        <source>; transit %1</source>
        <extracomment>%1 is the local time of the object&apos;s highest point</extracomment>
        <translation>&#xa0;; passage au méridien %1</translation>
    </message>
    <message>
        <source>Up now; never sets here</source>
        <translation>Au-dessus de l&apos;horizon&#xa0;; ne se couche jamais ici</translation>
    </message>
    <message>
        <source>Up now; does not set within 24 hours</source>
        <translation>Au-dessus de l&apos;horizon&#xa0;; ne se couche pas dans les 24 heures</translation>
    </message>
    <message>
        <source>Below the horizon: never rises here</source>
        <translation>Sous l&apos;horizon&#xa0;: ne se lève jamais ici</translation>
    </message>
    <message>
        <source>Below the horizon: does not rise within 24 hours</source>
        <translation>Sous l&apos;horizon&#xa0;: ne se lève pas dans les 24 heures</translation>
    </message>
    <message>
        <source>rises at %1</source>
        <translation>se lève à %1</translation>
    </message>
    <message>
        <source>transit %1</source>
        <translation>passage au méridien %1</translation>
    </message>
    <message>
        <source>sets at %1</source>
        <translation>se couche à %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Up now; %1</source>
        <extracomment>%1 lists the coming rising, transit and setting</extracomment>
        <translation>Au-dessus de l&apos;horizon&#xa0;; %1</translation>
    </message>
    <message>
        <source>Below the horizon: %1</source>
        <translation>Sous l&apos;horizon&#xa0;: %1</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>full</source>
        <extracomment>phase of the Moon</extracomment>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Messier object</source>
        <translation>objet de Messier</translation>
    </message>
    <message>
        <source>, magnitude %1</source>
        <translation>, magnitude %1</translation>
    </message>
    <message>
        <source>, in %1</source>
        <extracomment>%1 is a constellation</extracomment>
        <translation>, dans %1</translation>
    </message>
    <message>
        <source>Size %1</source>
        <extracomment>%1 is the apparent size, as 12′ × 5′</extracomment>
        <translation>Taille %1</translation>
    </message>
    <message>
        <source>Also %1</source>
        <extracomment>%1 lists the object&apos;s other names</extracomment>
        <translation>Aussi %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2° %3</source>
        <extracomment>%1 and %2 are angles in degrees, %3 a point of the compass</extracomment>
        <translation>Hauteur %1°, azimut %2° %3</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (J2000)</source>
        <extracomment>right ascension and declination in the frame of the year 2000</extracomment>
        <translation>AD %1, Déc %2 (J2000)</translation>
    </message>
    <message>
        <source>RA %1, Dec %2 (of date)</source>
        <extracomment>right ascension and declination in the frame of the shown date</extracomment>
        <translation>AD %1, Déc %2 (de la date)</translation>
    </message>
    <message>
        <source>Distance %1</source>
        <translation>Distance %1</translation>
    </message>
    <message>
        <source>, size %1′</source>
        <extracomment>apparent diameter in arcminutes</extracomment>
        <translation>, taille %1′</translation>
    </message>
    <message>
        <source>, size %1″</source>
        <extracomment>apparent diameter in arcseconds</extracomment>
        <translation>, taille %1″</translation>
    </message>
    <message>
        <source>Phase: %1, %2 % lit</source>
        <extracomment>%1 is a phase such as &quot;waxing crescent&quot;, %2 the lit percentage</extracomment>
        <translation>Phase&#xa0;: %1, éclairée à %2 %</translation>
    </message>
    <message>
        <source>%1 AU from the Sun, %2 AU from the Earth</source>
        <extracomment>distances in astronomical units</extracomment>
        <translation>%1 ua du Soleil, %2 ua de la Terre</translation>
    </message>
    <message>
        <source>%1° from the Sun</source>
        <extracomment>angle in degrees between the body and the Sun</extracomment>
        <translation>%1° du Soleil</translation>
    </message>
    <message>
        <source>Elements of %1, %2 days old</source>
        <extracomment>%1 is the date of the orbital elements, %2 their age in days</extracomment>
        <translation>Éléments du %1, âgés de %2 jours</translation>
    </message>
    <message>
        <source>: the place may be off by arcminutes</source>
        <translation>&#xa0;: la position peut être fausse de quelques minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Colour index B−V %1</source>
        <translation>Indice de couleur B−V %1</translation>
    </message>
    <message>
        <source>%1 %2°</source>
        <extracomment>%1 is a point of the compass, %2 the azimuth in degrees</extracomment>
        <translation>%1 %2°</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <extracomment>%1 is the satellite&apos;s catalog number</extracomment>
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>Altitude %1°, azimuth %2°, %3 km away</source>
        <extracomment>%1 altitude and %2 azimuth in degrees, %3 the distance in kilometres</extracomment>
        <translation>Hauteur %1°, azimut %2°, à %3 km</translation>
    </message>
    <message>
        <source>In the Earth&apos;s shadow</source>
        <translation>Dans l&apos;ombre de la Terre</translation>
    </message>
    <message>
        <source>Sunlit</source>
        <translation>Éclairé par le Soleil</translation>
    </message>
    <message>
        <source>No position: its elements no longer give one</source>
        <translation>Pas de position&#xa0;: ses éléments n&apos;en donnent plus</translation>
    </message>
    <message>
        <source>: positions may be minutes off</source>
        <translation>&#xa0;: les positions peuvent être fausses de quelques minutes</translation>
    </message>
    <message>
        <source>Next visible pass: %1</source>
        <translation>Prochain passage visible&#xa0;: %1</translation>
    </message>
    <message>
        <source>No visible pass in the next 10 days</source>
        <translation>Aucun passage visible dans les 10 prochains jours</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, visible</source>
        <extracomment>a satellite&apos;s pass: %1 rise time, %2 its bearing, %3 the time highest, %4 the altitude then in degrees, %5 set time, %6 its bearing</extracomment>
        <translation>de %1 %2 à %3 à %4°, jusqu&apos;à %5 %6, visible</translation>
    </message>
    <message>
        <source>%1 %2 to %3 at %4° to %5 %6, unseen</source>
        <translation>de %1 %2 à %3 à %4°, jusqu&apos;à %5 %6, invisible</translation>
    </message>
    <message>
        <source>up all night</source>
        <translation>au-dessus de l&apos;horizon toute la nuit</translation>
    </message>
    <message>
        <source>up all night, in a light sky</source>
        <translation>au-dessus de l&apos;horizon toute la nuit, dans un ciel clair</translation>
    </message>
    <message>
        <source>not up tonight</source>
        <translation>sous l&apos;horizon cette nuit</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>lever %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>coucher %1</translation>
    </message>
    <message>
        <source>Tonight, %1</source>
        <translation>Cette nuit, %1</translation>
    </message>
    <message>
        <source>Tonight in %1, %2</source>
        <translation>Cette nuit à %1, %2</translation>
    </message>
    <message>
        <source>The Sun does not set</source>
        <translation>Le Soleil ne se couche pas</translation>
    </message>
    <message>
        <source>The Sun does not rise</source>
        <translation>Le Soleil ne se lève pas</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>Coucher du Soleil %1</translation>
    </message>
    <message>
        <source>civil %1</source>
        <extracomment>the twilights, each with its time %1</extracomment>
        <translation>civil %1</translation>
    </message>
    <message>
        <source>nautical %1</source>
        <translation>nautique %1</translation>
    </message>
    <message>
        <source>astronomical %1</source>
        <translation>astronomique %1</translation>
    </message>
    <message>
        <source>Twilight ends: %1</source>
        <extracomment>%1 lists the ends of the twilights</extracomment>
        <translation>Fin du crépuscule&#xa0;: %1</translation>
    </message>
    <message>
        <source>; no full darkness</source>
        <translation>&#xa0;; pas de nuit noire</translation>
    </message>
    <message>
        <source>Dark all night</source>
        <translation>Nuit noire toute la nuit</translation>
    </message>
    <message>
        <source>No full darkness tonight</source>
        <translation>Pas de nuit noire cette nuit</translation>
    </message>
    <message>
        <source>Dawn: %1</source>
        <translation>Aube&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>Lever du Soleil %1</translation>
    </message>
    <message>
        <source>Moon: %1, %2 (%3 % lit)</source>
        <extracomment>%1 is the Moon&apos;s night, %2 its phase, %3 the lit percentage</extracomment>
        <translation>Lune&#xa0;: %1, %2 (éclairée à %3 %)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a planet, %2 its night
----------
%1 is a satellite, %2 its pass</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: magnitude %2, %3</source>
        <extracomment>%1 is a comet or asteroid, %2 its magnitude, %3 its night</extracomment>
        <translation>%1&#xa0;: magnitude %2, %3</translation>
    </message>
    <message>
        <source>No dark hours for the deep sky tonight</source>
        <translation>Pas d&apos;heures sombres pour le ciel profond cette nuit</translation>
    </message>
    <message>
        <source>%1: magnitude %2, highest %3</source>
        <translation>%1&#xa0;: magnitude %2, culmine %3</translation>
    </message>
    <message>
        <source>%1: %2, magnitude %3, highest %4</source>
        <translation>%1&#xa0;: %2, magnitude %3, culmine %4</translation>
    </message>
    <message>
        <source> Observatory position: </source>
        <translation> Lieu d&apos;observation&#xa0;: </translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>E|W</source>
        <extracomment>the hemispheres of longitude, east and west, as a choice of two</extracomment>
        <translation>E|O</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>N|S</source>
        <extracomment>the hemispheres of latitude, north and south, as a choice of two</extracomment>
        <translation>N|S</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Use my location</source>
        <translation>Utiliser ma position</translation>
    </message>
    <message>
        <source> Observation time: </source>
        <translation> Heure d&apos;observation&#xa0;: </translation>
    </message>
    <message>
        <source>Use system time</source>
        <translation>Utiliser l&apos;heure du système</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>D, M, Y: day, month, year; H, M, S: hours, minutes, seconds (one M for both)</extracomment>
        <translation>J</translation>
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
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Compass offset:</source>
        <translation>Écart de la boussole&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plus de %1 Mo</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>pas de réponse en %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the download broke off after %1 of %2 bytes</source>
        <translation>le téléchargement s&apos;est interrompu après %1 octets sur %2</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot load %1: %2</source>
        <extracomment>%1 is a program module, %2 the system&apos;s reason</extracomment>
        <translation>impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>sans précision</translation>
    </message>
    <message>
        <source>the download module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>le module de téléchargement %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <extracomment>%1 names the file being downloaded</extracomment>
        <translation>Téléchargement de %1…</translation>
    </message>
    <message>
        <source>Fetching %1: %2 kB</source>
        <extracomment>%1 names the file being downloaded, %2 the kilobytes so far</extracomment>
        <translation>Téléchargement de %1&#xa0;: %2 ko</translation>
    </message>
    <message>
        <source>; not asked again for 24 hours</source>
        <translation>&#xa0;; pas de nouvelle demande avant 24 heures</translation>
    </message>
    <message>
        <source>%1: %2; the old elements are kept</source>
        <extracomment>%1 names the file, %2 why its download failed</extracomment>
        <translation>%1&#xa0;: %2&#xa0;; les anciens éléments sont conservés</translation>
    </message>
    <message>
        <source>%1 was refused by the server; not asked again before %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 a été refusé par le serveur&#xa0;; pas de nouvelle demande avant %2</translation>
    </message>
    <message>
        <source>%1 was fetched less than 2 hours ago; again after %2</source>
        <extracomment>%1 names the file, %2 a time</extracomment>
        <translation>%1 a été téléchargé il y a moins de 2 heures&#xa0;; de nouveau après %2</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>Vouliez-vous dire %1&#xa0;?</translation>
    </message>
    <message>
        <source>Find a star, planet or object</source>
        <translation>Chercher une étoile, une planète ou un objet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>accelerometer</source>
        <extracomment>motion sensors of a phone</extracomment>
        <translation>accéléromètre</translation>
    </message>
    <message>
        <source>magnetometer</source>
        <translation>magnétomètre</translation>
    </message>
    <message>
        <source>gyroscope</source>
        <translation>gyroscope</translation>
    </message>
    <message>
        <source>The motion sensors in %1 cannot be read.</source>
        <translation>Les capteurs de mouvement de %1 ne peuvent pas être lus.</translation>
    </message>
    <message>
        <source>The accelerometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Les mesures de l&apos;accéléromètre ne sont pas plausibles (son échelle est peut-être fausse).</translation>
    </message>
    <message>
        <source>The magnetometer&apos;s readings are not plausible (its scale may be wrong).</source>
        <translation>Les mesures du magnétomètre ne sont pas plausibles (son échelle est peut-être fausse).</translation>
    </message>
    <message>
        <source>The %1&apos;s scale is not a usable number.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>L&apos;échelle du capteur %1 n&apos;est pas un nombre utilisable.</translation>
    </message>
    <message>
        <source>The %1&apos;s mount matrix cannot be read.</source>
        <extracomment>%1 is a motion sensor</extracomment>
        <translation>La matrice de montage du capteur %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>No %1 was found in %2.</source>
        <extracomment>%1 is a motion sensor, %2 a folder</extracomment>
        <translation>Aucun %1 trouvé dans %2.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>months, abbreviated</extracomment>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>tomorrow %1</source>
        <extracomment>%1 is a time of day</extracomment>
        <translation>demain %1</translation>
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
        <translation>pas de position obtenue en %1 s</translation>
    </message>
    <message>
        <source>%1 is not a serial device that can be read</source>
        <translation>%1 n&apos;est pas un périphérique série lisible</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>the stream sent no NMEA sentence within %1 s</source>
        <translation>le flux n&apos;a envoyé aucune phrase NMEA en %1 s</translation>
    </message>
    <message>
        <source>the NMEA stream failed: %1</source>
        <translation>le flux NMEA a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>nmea: needs a serial device, a file or host:port</source>
        <translation>nmea: demande un périphérique série, un fichier ou hôte:port</translation>
    </message>
    <message>
        <source>no such serial device: %1</source>
        <translation>périphérique série inexistant&#xa0;: %1</translation>
    </message>
    <message>
        <source>no such NMEA file: %1</source>
        <translation>fichier NMEA inexistant&#xa0;: %1</translation>
    </message>
    <message>
        <source>expected nmea:DEVICE, nmea:FILE or nmea:HOST:PORT, got &apos;%1&apos;</source>
        <translation>attendu nmea:PÉRIPHÉRIQUE, nmea:FICHIER ou nmea:HÔTE:PORT, reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the position module %1 is not installed</source>
        <extracomment>%1 is a program module</extracomment>
        <translation>le module de position %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Navigation box</source>
        <translation>Zone de navigation</translation>
    </message>
    <message>
        <source>Enter a whole number here.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Hours run from 0 to 23.</source>
        <translation>Les heures vont de 0 à 23.</translation>
    </message>
    <message>
        <source>Minutes run from 0 to 59.</source>
        <translation>Les minutes vont de 0 à 59.</translation>
    </message>
    <message>
        <source>Seconds run from 0 to 59.</source>
        <translation>Les secondes vont de 0 à 59.</translation>
    </message>
    <message>
        <source>Months run from 1 to 12.</source>
        <translation>Les mois vont de 1 à 12.</translation>
    </message>
    <message>
        <source>Years run from 1601 to 30827.</source>
        <translation>Les années vont de 1601 à 30827.</translation>
    </message>
    <message>
        <source>There is no %1.</source>
        <extracomment>%1 is a date that the calendar lacks, as 31.2.2025</extracomment>
        <translation>Le %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The clocks skip %1 on %2.</source>
        <extracomment>a time that a change to summer time skips: %1 the time, %2 the date</extracomment>
        <translation>Les horloges sautent %1 le %2.</translation>
    </message>
    <message>
        <source>No city called “%1”.</source>
        <translation>Aucune ville nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Several cities are called “%1”: pick one.</source>
        <translation>Plusieurs villes s&apos;appellent «&#xa0;%1&#xa0;»&#xa0;: choisissez-en une.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <extracomment>%1 is the place&apos;s coordinates</extracomment>
        <translation>Actuellement&#xa0;: %1</translation>
    </message>
    <message>
        <source>, near %1</source>
        <extracomment>%1 is a city</extracomment>
        <translation>, près de %1</translation>
    </message>
    <message>
        <source>Finding your location…</source>
        <translation>Recherche de votre position…</translation>
    </message>
    <message>
        <source>No location: %1.</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Pas de position&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your location is filled in.</source>
        <translation>Votre position est renseignée.</translation>
    </message>
    <message>
        <source>Where are you? Pick a city or use your location</source>
        <translation>Où êtes-vous&#xa0;? Choisissez une ville ou utilisez votre position</translation>
    </message>
    <message>
        <source>The place and time of the chart</source>
        <translation>Le lieu et l&apos;heure de la carte</translation>
    </message>
    <message>
        <source>Enter the longitude&apos;s degrees, minutes and seconds.</source>
        <translation>Saisissez les degrés, minutes et secondes de la longitude.</translation>
    </message>
    <message>
        <source>Enter the latitude&apos;s degrees, minutes and seconds.</source>
        <translation>Saisissez les degrés, minutes et secondes de la latitude.</translation>
    </message>
    <message>
        <source>Latitudes run from 0 to 90°.</source>
        <translation>Les latitudes vont de 0 à 90°.</translation>
    </message>
    <message>
        <source>the answer holds %1</source>
        <extracomment>%1 says what is wrong with the downloaded file</extracomment>
        <translation>la réponse contient %1</translation>
    </message>
    <message>
        <source>the answer holds elements of the other kind</source>
        <translation>la réponse contient des éléments de l&apos;autre type</translation>
    </message>
    <message>
        <source>Updating satellites…</source>
        <translation>Mise à jour des satellites…</translation>
    </message>
    <message>
        <source>Updating comets and asteroids…</source>
        <translation>Mise à jour des comètes et astéroïdes…</translation>
    </message>
    <message>
        <source>Updated satellites</source>
        <translation>Satellites mis à jour</translation>
    </message>
    <message>
        <source>Updated comets and asteroids</source>
        <translation>Comètes et astéroïdes mis à jour</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MB; nothing imported</source>
        <translation>%1 dépasse 64 Mo&#xa0;; rien n&apos;est importé</translation>
    </message>
    <message>
        <source>%1 holds %2; nothing imported</source>
        <extracomment>%1 is the file, %2 what is wrong with it</extracomment>
        <translation>%1 contient %2&#xa0;; rien n&apos;est importé</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n satellites as %1</source>
        <extracomment>%n is how many were read from the file, %1 the name they are kept under</extracomment>
        <translation>
            <numerusform>%n satellite importé sous %1</numerusform>
            <numerusform>%n satellites importés sous %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n comets and asteroids as %1</source>
        <translation>
            <numerusform>%n comète ou astéroïde importé sous %1</numerusform>
            <numerusform>%n comètes et astéroïdes importés sous %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import elements</source>
        <translation>Importer des éléments</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Cette nuit</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Equatorial grid</source>
        <translation>Grille équatoriale</translation>
    </message>
    <message>
        <source>Horizontal grid</source>
        <translation>Grille horizontale</translation>
    </message>
    <message>
        <source>Constellation lines</source>
        <translation>Lignes des constellations</translation>
    </message>
    <message>
        <source>Constellation boundary</source>
        <translation>Limites des constellations</translation>
    </message>
    <message>
        <source>Solar system</source>
        <translation>Système solaire</translation>
    </message>
    <message>
        <source>Constellation names</source>
        <translation>Noms des constellations</translation>
    </message>
    <message>
        <source>Star names</source>
        <translation>Noms des étoiles</translation>
    </message>
    <message>
        <source>Ground</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Daylight</source>
        <translation>Lumière du jour</translation>
    </message>
    <message>
        <source>Ecliptic</source>
        <extracomment>the Sun&apos;s path, written on the chart</extracomment>
        <translation>Écliptique</translation>
    </message>
    <message>
        <source>Deep sky</source>
        <translation>Ciel profond</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>Voie lactée</translation>
    </message>
    <message>
        <source>Comets and asteroids</source>
        <translation>Comètes et astéroïdes</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Night vision</source>
        <translation>Vision nocturne</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom reset (90°)</source>
        <translation>Réinitialiser le zoom (90°)</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Tourner dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate contra clockwise</source>
        <extracomment>turning the chart the other way than the clock&apos;s hands</extracomment>
        <translation>Tourner dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Positions précises</translation>
    </message>
    <message>
        <source>Point at the sky</source>
        <translation>Pointer vers le ciel</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Constellation</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Zenith</source>
        <translation>Zénith</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Chercher...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Tonight...</source>
        <translation>Cette nuit...</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Update satellites</source>
        <translation>Mettre à jour les satellites</translation>
    </message>
    <message>
        <source>Update comets and asteroids</source>
        <translation>Mettre à jour comètes et astéroïdes</translation>
    </message>
    <message>
        <source>Import elements...</source>
        <translation>Importer des éléments...</translation>
    </message>
    <message>
        <source>Update weekly</source>
        <translation>Mise à jour hebdomadaire</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>the &amp; comes before the letter that chooses the item from the keyboard</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>No location: %1</source>
        <extracomment>%1 says why the location service gave none</extracomment>
        <translation>Pas de position&#xa0;: %1</translation>
    </message>
    <message>
        <source>Place: %1 (change in Settings)</source>
        <extracomment>%1 is the built-in place, a city or coordinates</extracomment>
        <translation>Lieu&#xa0;: %1 (modifiable dans les Paramètres)</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>The settings could not be saved to
%1
(%2).

Free some space or make the folder writable, then try again.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason</extracomment>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans
%1
(%2).

Libérez de l&apos;espace ou rendez le dossier accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <extracomment>the dwarf planet</extracomment>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>no usable orbital elements in it</source>
        <translation>aucun élément orbital utilisable</translation>
    </message>
    <message>
        <source>line %1: more than %2 bodies, the rest left out</source>
        <extracomment>%1 is a line of the file, %2 the most bodies read</extracomment>
        <translation>ligne %1&#xa0;: plus de %2 corps, le reste est ignoré</translation>
    </message>
    <message>
        <source>not a comet or minor-planet line</source>
        <translation>pas une ligne de comète ou de petite planète</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line of the file, %2 what is wrong in it</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no comet or minor-planet elements</source>
        <translation>aucun élément de comète ou de petite planète</translation>
    </message>
    <message>
        <source>not valid JSON</source>
        <translation>JSON non valide</translation>
    </message>
    <message>
        <source>not valid XML: %1 at byte %2</source>
        <extracomment>%1 is what the parser found, %2 a byte offset</extracomment>
        <translation>XML non valide&#xa0;: %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>no element sets found</source>
        <translation>aucun jeu d&apos;éléments trouvé</translation>
    </message>
    <message numerus="yes">
        <source>no usable element set (%n skipped)</source>
        <translation>
            <numerusform>aucun jeu d&apos;éléments utilisable (%n ignoré)</numerusform>
            <numerusform>aucun jeu d&apos;éléments utilisable (%n ignorés)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not an element file (too large)</source>
        <translation>%1 n&apos;est pas un fichier d&apos;éléments (trop grand)</translation>
    </message>
    <message>
        <source>satellite %1: its elements give no orbit (model error %2)</source>
        <extracomment>%1 is a satellite&apos;s catalog number, %2 an error number of the orbit model</extracomment>
        <translation>satellite %1&#xa0;: ses éléments ne donnent aucune orbite (erreur du modèle %2)</translation>
    </message>
    <message>
        <source>line %1: line 2 of the set is missing</source>
        <translation>ligne %1&#xa0;: la ligne 2 du jeu manque</translation>
    </message>
    <message>
        <source>line %1: line 1 of the set is missing</source>
        <translation>ligne %1&#xa0;: la ligne 1 du jeu manque</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2; later starts will not find this window</source>
        <extracomment>%1 is a socket, %2 the system&apos;s reason</extracomment>
        <translation>impossible d&apos;écouter sur %1&#xa0;: %2&#xa0;; les lancements suivants ne trouveront pas cette fenêtre</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; no folder of its own found</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>le dossier d&apos;exécution %1 n&apos;est pas privé à cet utilisateur&#xa0;; aucun dossier propre trouvé</translation>
    </message>
    <message>
        <source>the runtime folder %1 is not private to this user; using %2</source>
        <translation>le dossier d&apos;exécution %1 n&apos;est pas privé à cet utilisateur&#xa0;; utilisation de %2</translation>
    </message>
    <message>
        <source>no folder of this user&apos;s own for the single-instance check (halvane-%1 in the temporary folder is someone else&apos;s); starting without it</source>
        <extracomment>%1 is the user&apos;s number</extracomment>
        <translation>aucun dossier propre à cet utilisateur pour la vérification d&apos;instance unique (halvane-%1 dans le dossier temporaire appartient à quelqu&apos;un d&apos;autre)&#xa0;; démarrage sans elle</translation>
    </message>
    <message>
        <source>the single-instance socket&apos;s name is too long (%1); starting without the check</source>
        <translation>le nom du socket d&apos;instance unique est trop long (%1)&#xa0;; démarrage sans la vérification</translation>
    </message>
    <message>
        <source>cannot lock %1: %2; starting without the single-instance check</source>
        <extracomment>%1 is a lock file, %2 the system&apos;s reason</extracomment>
        <translation>impossible de verrouiller %1&#xa0;: %2&#xa0;; démarrage sans la vérification d&apos;instance unique</translation>
    </message>
    <message>
        <source>another user&apos;s server sits at %1 while a Halvane of this session holds the lock; not knocking</source>
        <translation>le serveur d&apos;un autre utilisateur occupe %1 alors qu&apos;un Halvane de cette session détient le verrou&#xa0;; pas de contact</translation>
    </message>
    <message>
        <source>a Halvane of this session holds %1 but does not answer</source>
        <translation>un Halvane de cette session détient %1 mais ne répond pas</translation>
    </message>
    <message>
        <source>%1: missing value</source>
        <translation>%1&#xa0;: valeur manquante</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot be opened (missing, not a regular file, or unreadable)</source>
        <translation>ne peut pas être ouvert (absent, pas un fichier ordinaire ou illisible)</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>ne peut pas être ouvert (%1)</translation>
    </message>
    <message numerus="yes">
        <source>only %n bytes, shorter than the 12-byte header</source>
        <translation>
            <numerusform>seulement %n octet, moins que l&apos;en-tête de 12 octets</numerusform>
            <numerusform>seulement %n octets, moins que l&apos;en-tête de 12 octets</numerusform>
        </translation>
    </message>
    <message>
        <source>the header cannot be read</source>
        <translation>l&apos;en-tête ne peut pas être lu</translation>
    </message>
    <message>
        <source>unknown kind of catalog (tag and file name unknown); name one with --kind</source>
        <translation>type de catalogue inconnu (étiquette et nom de fichier inconnus)&#xa0;; indiquez-le avec --kind</translation>
    </message>
    <message>
        <source>header rejected by %1</source>
        <extracomment>%1 is the part of the program that reads the file</extracomment>
        <translation>en-tête refusé par %1</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes of a partial record at the end (ignored by readers)</source>
        <translation>
            <numerusform>%n octet d&apos;un enregistrement partiel à la fin (ignoré par les lecteurs)</numerusform>
            <numerusform>%n octets d&apos;un enregistrement partiel à la fin (ignorés par les lecteurs)</numerusform>
        </translation>
    </message>
    <message>
        <source>larger than any catalog of its kind may be; readers refuse it</source>
        <translation>plus grand que ne peut l&apos;être un catalogue de ce type&#xa0;; les lecteurs le refusent</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message numerus="yes">
        <source>%n names that are not valid UTF-8 (skipped by readers)</source>
        <translation>
            <numerusform>%n nom qui n&apos;est pas en UTF-8 valide (ignoré par les lecteurs)</numerusform>
            <numerusform>%n noms qui ne sont pas en UTF-8 valide (ignorés par les lecteurs)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cities without a name or country, or out of range (skipped by the reader)</source>
        <translation>
            <numerusform>%n ville sans nom ni pays, ou hors limites (ignorée par le lecteur)</numerusform>
            <numerusform>%n villes sans nom ni pays, ou hors limites (ignorées par le lecteur)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with coordinates that are not finite (skipped by readers)</source>
        <translation>
            <numerusform>%n enregistrement aux coordonnées non finies (ignoré par les lecteurs)</numerusform>
            <numerusform>%n enregistrements aux coordonnées non finies (ignorés par les lecteurs)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records with right ascension outside [0, 360) or declination outside [-90, 90] degrees</source>
        <translation>
            <numerusform>%n enregistrement avec une ascension droite hors de [0, 360) ou une déclinaison hors de [-90, 90] degrés</numerusform>
            <numerusform>%n enregistrements avec une ascension droite hors de [0, 360) ou une déclinaison hors de [-90, 90] degrés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names without a terminating zero byte</source>
        <translation>
            <numerusform>%n nom sans octet nul final</numerusform>
            <numerusform>%n noms sans octet nul final</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot open (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s reason</extracomment>
        <translation>%1&#xa0;: ouverture impossible (%2)</translation>
    </message>
    <message>
        <source>%1: not valid JSON at byte %2 (%3)</source>
        <extracomment>%1 is a file, %2 a byte offset, %3 what the parser found</extracomment>
        <translation>%1&#xa0;: JSON non valide à l&apos;octet %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a JSON object</source>
        <translation>%1&#xa0;: pas un objet JSON</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1&#xa0;: ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <translation>%1 (voir halvane-catalog --help)</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 demande un fichier</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 demande un dossier</translation>
    </message>
    <message>
        <source>build-cities needs --source FILE</source>
        <translation>build-cities demande --source FILE</translation>
    </message>
    <message>
        <source>build-cities needs --out DIR</source>
        <translation>build-cities demande --out DIR</translation>
    </message>
    <message>
        <source>--out: cannot write &apos;%1&apos;</source>
        <translation>--out&#xa0;: impossible d&apos;écrire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--trace: cannot write &apos;%1&apos;</source>
        <translation>--trace&#xa0;: impossible d&apos;écrire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--sensors: the motion sensors cannot be read</source>
        <translation>--sensors&#xa0;: les capteurs de mouvement ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>--city: %1 cannot be read</source>
        <extracomment>%1 is the city catalog file</extracomment>
        <translation>--city&#xa0;: %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>--city: %1 is too large</source>
        <translation>--city&#xa0;: %1 est trop grand</translation>
    </message>
    <message>
        <source>--city: %1 is not a city file of a known version</source>
        <translation>--city&#xa0;: %1 n&apos;est pas un fichier de villes d&apos;une version connue</translation>
    </message>
    <message>
        <source>--city: %1 holds no city</source>
        <translation>--city&#xa0;: %1 ne contient aucune ville</translation>
    </message>
    <message>
        <source>--city: no city of that name in %1Cities.dat, got &apos;%2&apos;</source>
        <extracomment>%1 is the city catalog&apos;s folder, %2 the name given</extracomment>
        <translation>--city&#xa0;: aucune ville de ce nom dans %1Cities.dat, reçu «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--goto: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--goto&#xa0;: aucune étoile, aucun objet, aucune constellation ni planète de ce nom, reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--goto: no comet or asteroid elements loaded (--minor-bodies FILE), got &apos;%1&apos;</source>
        <translation>--goto&#xa0;: aucun élément de comète ou d&apos;astéroïde chargé (--minor-bodies FILE), reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no element set</source>
        <translation>aucun jeu d&apos;éléments</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name, got &apos;%1&apos;</source>
        <translation>--passes&#xa0;: aucun satellite de ce nom, reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--passes: no satellite of that name (no --satellites file), got &apos;%1&apos;</source>
        <translation>--passes&#xa0;: aucun satellite de ce nom (pas de fichier --satellites), reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--info: no star, object, constellation or planet of that name, got &apos;%1&apos;</source>
        <translation>--info&#xa0;: aucune étoile, aucun objet, aucune constellation ni planète de ce nom, reçu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2, got %3</source>
        <extracomment>%1 is an option, %2 what it takes, %3 the value given</extracomment>
        <translation>%1&#xa0;: %2, reçu %3</translation>
    </message>
    <message>
        <source>expected a folder</source>
        <translation>dossier attendu</translation>
    </message>
    <message>
        <source>expected WxH with sides from 16 to 8192 pixels</source>
        <translation>WxH attendu, côtés de 16 à 8192 pixels</translation>
    </message>
    <message>
        <source>expected a pixel ratio from 1 to 4</source>
        <translation>rapport de pixels de 1 à 4 attendu</translation>
    </message>
    <message>
        <source>expected a number of degrees</source>
        <translation>nombre de degrés attendu</translation>
    </message>
    <message>
        <source>expected a finite number of degrees</source>
        <translation>nombre fini de degrés attendu</translation>
    </message>
    <message>
        <source>expected -90 to 90 degrees</source>
        <translation>-90 à 90 degrés attendu</translation>
    </message>
    <message>
        <source>expected -360 to 360 degrees</source>
        <translation>-360 à 360 degrés attendu</translation>
    </message>
    <message>
        <source>expected a UTC time YYYY-MM-DDTHH:MM[:SS]Z</source>
        <translation>heure UTC attendue YYYY-MM-DDTHH:MM[:SS]Z</translation>
    </message>
    <message>
        <source>expected north, east, south, west or zenith</source>
        <translation>north, east, south, west ou zenith attendu</translation>
    </message>
    <message>
        <source>expected a name</source>
        <translation>nom attendu</translation>
    </message>
    <message>
        <source>expected a file of comet or minor-planet elements</source>
        <translation>fichier d&apos;éléments de comètes ou de petites planètes attendu</translation>
    </message>
    <message>
        <source>expected a file name</source>
        <translation>nom de fichier attendu</translation>
    </message>
    <message>
        <source>expected 1 to 10 days</source>
        <translation>1 à 10 jours attendus</translation>
    </message>
    <message>
        <source>expected a whole number of steps</source>
        <translation>nombre entier de pas attendu</translation>
    </message>
    <message>
        <source>expected a string of l, r, u and d</source>
        <translation>chaîne de l, r, u et d attendue</translation>
    </message>
    <message>
        <source>expected X,Y in pixels</source>
        <translation>X,Y en pixels attendu</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--view and --goto: give only one of them</source>
        <translation>--view et --goto&#xa0;: n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--city and --longitude/--latitude: give only one of them</source>
        <translation>--city et --longitude/--latitude&#xa0;: n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--here and --city or --longitude/--latitude: give only one of them</source>
        <translation>--here et --city ou --longitude/--latitude&#xa0;: n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>--days: only with --passes</source>
        <translation>--days&#xa0;: seulement avec --passes</translation>
    </message>
    <message>
        <source>--tap: the point must lie on the %1x%2 chart, got %3,%4</source>
        <extracomment>%1 x %2 is the chart&apos;s size in pixels, %3,%4 the point given</extracomment>
        <translation>--tap&#xa0;: le point doit se trouver sur la carte de %1x%2, reçu %3,%4</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>day of the week</comment>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <comment>day of the week</comment>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <comment>day of the week</comment>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <comment>day of the week</comment>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <comment>day of the week</comment>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <comment>day of the week</comment>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <comment>day of the week</comment>
        <translation>sam.</translation>
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
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Une nouvelle langue prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <extracomment>%1 lists the language codes</extracomment>
        <translation>attendu : l’un de %1</translation>
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
        <translation>usage&#xa0;: halvane-render [options]
  --data DIR        dossier de Stars.dat, ConLin.dat, ConBon.dat, Labels.dat
                    (par défaut&#xa0;: à côté de l&apos;exécutable, sinon ../share/halvane,
                    sinon les dossiers de données XDG)
  --size WxH        taille de la carte en pixels (par défaut 240x294)
  --scale R         pixels de l&apos;appareil par pixel de carte, 1 à 4, comme sur un écran HiDPI&#xa0;;
                    le PNG est R fois plus grand (par défaut 1)
  --longitude DEG   degrés, positifs vers l&apos;ouest } par défaut&#xa0;: Config.dat du dossier
  --latitude DEG    degrés, positifs vers le nord } de données, sinon les valeurs intégrées
  --time UTC        YYYY-MM-DDTHH:MM[:SS]Z (par défaut&#xa0;: maintenant)
  --view DIR        north, east, south, west ou zenith (par défaut&#xa0;: zenith)
  --goto NAME       viser une étoile, un objet, une constellation ou une planète par son nom
  --minor-bodies FILE
                    éléments de comètes (CometEls.txt) ou de petites planètes (MPCORB)
                    à afficher, chercher et décrire&#xa0;; répétable
  --city NAME       observer depuis une ville de Cities.dat (&quot;Tokyo&quot;, &quot;Paris, FR&quot;)
  --here            observer depuis la position donnée par la source de position (en
                    30 s&#xa0;; à 0,01 degré près sauf si Config.dat la garde exacte)
  --position-source nmea:SOURCE
                    un flux NMEA&#xa0;: un périphérique série, un fichier ou HOST:PORT
                    (par défaut&#xa0;: celle de Config.dat, sinon le service de localisation du système)
  --zoom N          N pas de zoom avant depuis 90 degrés&#xa0;; négatif&#xa0;: pas de zoom arrière
  --rotate N        N pas de 15 degrés dans le sens horaire&#xa0;; négatif&#xa0;: sens antihoraire
  --pan KEYS        pas des touches fléchées, une chaîne de l, r, u, d, appliqués dans l&apos;ordre
  --layers LIST     sous-ensemble séparé par des virgules de equatorial,horizontal,lines,
                    boundaries,solar,constellation-names,star-names,ground,
                    daylight,ecliptic,deep-sky,milky-way,minor-bodies,
                    satellites, ou none (par défaut&#xa0;: celui de Config.dat, sinon horizontal,
                    lines,solar,constellation-names,star-names,ground,daylight,
                    ecliptic,deep-sky,milky-way,minor-bodies,satellites)
  --precise         positions apparentes de la date, avec réfraction (comme
                    Positions précises du menu Affichage)
  --tap X,Y         identifier l&apos;objet à ce pixel et écrire son nom
  --language CODE   noms, panneaux et dates dans cette langue (en, ar, cs, de, es,
                    fi, fr, he, it, nl, pl, pt_BR, ru, sv, uk) ; --info et
                    --tonight écrivent alors les lignes du panneau et de « Cette nuit » dans cette langue
                    au lieu de leurs lignes key: value
  --out FILE        écrire la carte en PNG
  --trace FILE      écrire chaque opération de dessin, une par ligne (&quot;-&quot;&#xa0;: stdout)
  --bodies          afficher le Soleil, la Lune et les planètes, un par ligne&#xa0;: nom,
                    AD en heures et Déc en degrés (J2000, topocentriques), hauteur et
                    azimut en degrés tels que dessinés, magnitude, diamètre en secondes
                    d&apos;arc, fraction éclairée
  --info NAME       afficher ce que le panneau d&apos;informations dit d&apos;un objet, une
                    paire clé&#xa0;: valeur par ligne (heures ISO 8601 locales, angles en degrés
                    et en heures&#xa0;; pour une comète ou un astéroïde aussi r_au, delta_au,
                    phase_angle et l&apos;époque de ses éléments)
  --tonight         afficher de même la liste Cette nuit&#xa0;: coucher du Soleil, crépuscule,
                    la Lune, chaque planète
  --satellites FILE éléments de satellites (TLE, 3LE, ou OMM en CSV, JSON ou XML)&#xa0;:
                    dessinés par la couche des satellites, connus de --info et --tap
  --passes NAME     afficher les passages du satellite, un par ligne&#xa0;: pass START AZ ALT
                    MAX AZ ALT END AZ ALT MAG VISIBLE (heures ISO 8601 UTC, début
                    et fin à 0 degré de hauteur géométrique, MAG &apos;-&apos; si
                    inconnue, visible ou unseen)
  --days N          passages sur N jours (1 à 10) à partir de l&apos;heure&#xa0;; par défaut&#xa0;: la
                    nuit à venir, jusqu&apos;au prochain midi local
  --night           rouge sur noir, comme la vision nocturne
  --caption         le titre de la fenêtre&#xa0;: l&apos;heure donnée, dans le fuseau de la ville la plus
                    proche du lieu à moins de 100 km (sinon celui de l&apos;appareil), et la magnitude limite
  --sensors         viser là où pointe l&apos;appareil, d&apos;après son accéléromètre et son
                    magnétomètre (HALVANE_IIO_DEVICES désigne un autre dossier sysfs), et
                    afficher &apos;aim azimuth A altitude H roll R&apos; en degrés, nord géographique

La trace contient une opération de dessin par ligne, dans l&apos;ordre du dessin&#xa0;; les coordonnées
sont des pixels de carte (gauche, haut, droite, bas pour les rectangles), les couleurs RRGGBB en hexa&#xa0;:
  fill L T R B BRUSH          BRUSH&#xa0;: black, white ou gray
  pen RRGGBB                  couleur des lignes qui suivent
  textcolor RRGGBB            couleur du texte qui suit
  transparent                 texte sans fond à partir d&apos;ici
  polyline N X1 Y1 ... XN YN  une ligne passant par N points
  text L T R B FLAGS &quot;TEXT&quot;   TEXT en UTF-8 dans le rectangle, FLAGS sous forme de
                              nombre&#xa0;; \&quot; est un guillemet, \\ une barre oblique inverse, \xNN
                              l&apos;octet NN d&apos;un caractère de contrôle ou d&apos;un UTF-8 invalide
  blit X Y W H SX SY OP       une image W x H prise en (SX, SY) d&apos;une planche de sprites
                              ou d&apos;un tampon vers (X, Y)&#xa0;; OP&#xa0;: copy ou or
Les arguments et contenus de fichiers cités dans les messages sont échappés de la même façon
et coupés avec &quot;...&quot; après 120 octets.
</translation>
    </message>
    <message>
        <source>The compass offset runs from -180 to 180°.</source>
        <translation>Le décalage de la boussole va de -180 à 180°.</translation>
    </message>
    <message>
        <source>expected none or a list of %1</source>
        <translation>attendu : none ou une liste de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records (skipped by the reader)</source>
        <translation>
            <numerusform>%n enregistrement endommagé (ignoré par le lecteur)</numerusform>
            <numerusform>%n enregistrements endommagés (ignorés par le lecteur)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no place at that time for &apos;%2&apos;</source>
        <extracomment>%1 is an option, %2 the name given</extracomment>
        <translation>%1&#xa0;: aucune position à ce moment pour «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>halvane::Words</name>
    <message>
        <source>%1 (see halvane-catalog --help)</source>
        <extracomment>%1 says what is wrong with the command line</extracomment>
        <translation>%1 (voir halvane-catalog --help)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a file</source>
        <translation>%1 demande un fichier</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 demande un dossier</translation>
    </message>
    <message>
        <source>build needs --source DIR</source>
        <translation>build demande --source DIR</translation>
    </message>
    <message>
        <source>build needs --out DIR</source>
        <translation>build demande --out DIR</translation>
    </message>
    <message>
        <source>unknown kind &apos;%1&apos;</source>
        <translation>type inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>info takes one file</source>
        <translation>info prend un seul fichier</translation>
    </message>
    <message>
        <source>info needs a file</source>
        <translation>info demande un fichier</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>usage: halvane-catalog build --source DIR --out DIR [--names FILE]
       halvane-catalog build-cities --source FILE --out DIR
       halvane-catalog info FILE [--kind %1]
</source>
        <extracomment>the command&apos;s words and options stay as they are; %1 lists the kinds of file, &quot;stars|lines|...&quot;</extracomment>
        <translation>usage&#xa0;: halvane-catalog build --source DIR --out DIR [--names FILE]
        halvane-catalog build-cities --source FILE --out DIR
        halvane-catalog info FILE [--kind %1]
</translation>
    </message>
    <message>
        <source>--kind needs one of %1</source>
        <extracomment>%1 lists the kinds of file: &quot;stars, lines, ...&quot;</extracomment>
        <translation>--kind demande une des valeurs %1</translation>
    </message>
</context>
</TS>
