<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suprimeix</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Selecciona-ho &amp;tot</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suprimeix</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Selecciona-ho &amp;tot</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Información</source>
        <translation>Informació</translation>
    </message>
    <message>
        <source>Física y Química</source>
        <translation>Física i Química</translation>
    </message>
    <message>
        <source>Memoria física disponible:</source>
        <translation>Memòria física disponible:</translation>
    </message>
    <message>
        <source>Memoria usada:</source>
        <translation>Memòria usada:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Pràctiques del Tabelora</translation>
    </message>
    <message>
        <source>es.wikipedia.org: Tabla periódica</source>
        <translation>ca.wikipedia.org: Taula periòdica</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Tabla_peri%C3%B3dica_de_los_elementos</source>
        <extracomment>The address of the periodic table&apos;s page in the language&apos;s own Wikipedia.</extracomment>
        <translation>https://ca.wikipedia.org/wiki/Taula_peri%C3%B2dica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Funcionamiento del programa</source>
        <translation>Funcionament del programa</translation>
    </message>
    <message>
        <source>Funcionamiento del programa:</source>
        <translation>Funcionament del programa:</translation>
    </message>
    <message>
        <source>Arrastra cada elemento a su posición en la tabla.</source>
        <translation>Arrossega cada element al seu lloc a la taula.</translation>
    </message>
    <message>
        <source>Pulsa sobre el botón Corregir para comprobar los aciertos. El contador indica el </source>
        <extracomment>The sentence runs on into the next line; the button is &quot;&amp;Corregir vistas&quot;.</extracomment>
        <translation>Fes clic al botó Corregir per comprovar els encerts. El comptador indica el </translation>
    </message>
    <message>
        <source>número total de elementos colocados correctamente y el porcentaje de aciertos.</source>
        <translation>nombre total d&apos;elements col·locats correctament i el percentatge d&apos;encerts.</translation>
    </message>
    <message>
        <source>Para enviar los resultados por correo electrónico asegúrate de escribir tus datos,</source>
        <translation>Per enviar els resultats per correu electrònic, assegura&apos;t d&apos;escriure les teves dades,</translation>
    </message>
    <message>
        <source>pulsa sobre el botón y escribe la dirección de e-mail.</source>
        <translation>fes clic al botó i escriu l&apos;adreça de correu electrònic.</translation>
    </message>
    <message>
        <source>Lo siento, no se encontró tu navegador</source>
        <translation>Ho sento, no s&apos;ha trobat el teu navegador</translation>
    </message>
</context>
<context>
    <name>TDatosBox</name>
    <message>
        <source>Datos del alumno</source>
        <translation>Dades de l&apos;alumne</translation>
    </message>
    <message>
        <source>Introduce tus datos personales antes de enviar los resultados:</source>
        <translation>Introdueix les teves dades personals abans d&apos;enviar els resultats:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Pràctiques del Tabelora</translation>
    </message>
    <message>
        <source>Actividades de Física y Química</source>
        <translation>Activitats de Física i Química</translation>
    </message>
    <message>
        <source>Nombre y apellidos:</source>
        <translation>Nom i cognoms:</translation>
    </message>
    <message>
        <source>Curso y grupo:</source>
        <translation>Curs i grup:</translation>
    </message>
    <message>
        <source>Nombre y apellidos</source>
        <translation>Nom i cognoms</translation>
    </message>
    <message>
        <source>Curso y grupo</source>
        <translation>Curs i grup</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>TElementos</name>
    <message>
        <source>Elementos</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Nombres y símbolos de los elementos</source>
        <translation>Noms i símbols dels elements</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Percentatge d&apos;encerts</translation>
    </message>
    <message>
        <source>Total aciertos</source>
        <translation>Total d&apos;encerts</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Intents</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Pràctiques del Tabelora</translation>
    </message>
    <message>
        <source>Archivos de 12 imágenes (*.BMP)</source>
        <translation>Fitxers de 12 imatges (*.BMP)</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, grupo %3</source>
        <translation>Casella %1, període %2, grup %3</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, lantánidos</source>
        <translation>Casella %1, període %2, lantànids</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, actínidos</source>
        <translation>Casella %1, període %2, actínids</translation>
    </message>
    <message>
        <source>%1 en la %2</source>
        <extracomment>A tile put down on a cell: the tile&apos;s name, then the cell&apos;s.</extracomment>
        <translation>%1 a la %2</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Uso: %1 [--idioma es|ca|gl|eu]

Tabelora, ejercicio para aprender la tabla periódica.

Opciones:
  --idioma IDIOMA  idioma del programa: es (castellano), ca (catalán o valenciano),
                   gl (gallego) o eu (euskera). Sin esta opción se sigue el idioma
                   del sistema: catalán con ca_*, gallego con gl_*, euskera con eu_*
                   y castellano con cualquier otro.
  -h, --help       muestra esta ayuda.
      --version    muestra la versión del programa.
</source>
        <extracomment>The option names --idioma and --version and the codes es, ca, gl and eu stay as they are.</extracomment>
        <translation>Ús: %1 [--idioma es|ca|gl|eu]

Tabelora, exercici per aprendre la taula periòdica.

Opcions:
  --idioma IDIOMA  idioma del programa: es (castellà), ca (català o valencià),
                   gl (gallec) o eu (basc). Sense aquesta opció se segueix l&apos;idioma
                   del sistema: català amb ca_*, gallec amb gl_*, basc amb eu_*
                   i castellà amb qualsevol altre.
  -h, --help       mostra aquesta ajuda.
      --version    mostra la versió del programa.
</translation>
    </message>
    <message>
        <source>Idioma desconocido: %1. Los idiomas son es, ca, gl y eu.</source>
        <translation>Idioma desconegut: %1. Els idiomes són es, ca, gl i eu.</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <source>Falta el idioma después de --idioma.</source>
        <translation>Falta l&apos;idioma després de --idioma.</translation>
    </message>
    <message>
        <source>Argumento desconocido: %1</source>
        <translation>Argument desconegut: %1</translation>
    </message>
    <message>
        <source>La opción %1 no admite ningún valor.</source>
        <translation>L&apos;opció %1 no admet cap valor.</translation>
    </message>
</context>
<context>
    <name>elements</name>
    <message>
        <source>Hidrógeno</source>
        <translation>Hidrogen</translation>
    </message>
    <message>
        <source>Helio</source>
        <translation>Heli</translation>
    </message>
    <message>
        <source>Litio</source>
        <translation>Liti</translation>
    </message>
    <message>
        <source>Berilio</source>
        <translation>Beril·li</translation>
    </message>
    <message>
        <source>Boro</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbono</source>
        <translation>Carboni</translation>
    </message>
    <message>
        <source>Nitrógeno</source>
        <translation>Nitrogen</translation>
    </message>
    <message>
        <source>Oxígeno</source>
        <translation>Oxigen</translation>
    </message>
    <message>
        <source>Flúor</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neón</source>
        <translation>Neó</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodi</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesi</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Alumini</translation>
    </message>
    <message>
        <source>Silicio</source>
        <translation>Silici</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Fòsfor</translation>
    </message>
    <message>
        <source>Azufre</source>
        <translation>Sofre</translation>
    </message>
    <message>
        <source>Cloro</source>
        <translation>Clor</translation>
    </message>
    <message>
        <source>Argón</source>
        <translation>Argó</translation>
    </message>
    <message>
        <source>Potasio</source>
        <translation>Potassi</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Calci</translation>
    </message>
    <message>
        <source>Escandio</source>
        <translation>Escandi</translation>
    </message>
    <message>
        <source>Titanio</source>
        <translation>Titani</translation>
    </message>
    <message>
        <source>Vanadio</source>
        <translation>Vanadi</translation>
    </message>
    <message>
        <source>Cromo</source>
        <translation>Crom</translation>
    </message>
    <message>
        <source>Manganeso</source>
        <translation>Manganès</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Cobalto</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Níquel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Coure</translation>
    </message>
    <message>
        <source>Cinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Galio</source>
        <translation>Gal·li</translation>
    </message>
    <message>
        <source>Germanio</source>
        <translation>Germani</translation>
    </message>
    <message>
        <source>Arsénico</source>
        <translation>Arsènic</translation>
    </message>
    <message>
        <source>Selenio</source>
        <translation>Seleni</translation>
    </message>
    <message>
        <source>Bromo</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Kriptón</source>
        <translation>Criptó</translation>
    </message>
    <message>
        <source>Rubidio</source>
        <translation>Rubidi</translation>
    </message>
    <message>
        <source>Estroncio</source>
        <translation>Estronci</translation>
    </message>
    <message>
        <source>Itrio</source>
        <translation>Itri</translation>
    </message>
    <message>
        <source>Circonio</source>
        <translation>Zirconi</translation>
    </message>
    <message>
        <source>Niobio</source>
        <translation>Niobi</translation>
    </message>
    <message>
        <source>Molibdeno</source>
        <translation>Molibdè</translation>
    </message>
    <message>
        <source>Tecnecio</source>
        <translation>Tecneci</translation>
    </message>
    <message>
        <source>Rutenio</source>
        <translation>Ruteni</translation>
    </message>
    <message>
        <source>Rodio</source>
        <translation>Rodi</translation>
    </message>
    <message>
        <source>Paladio</source>
        <translation>Pal·ladi</translation>
    </message>
    <message>
        <source>Plata</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Cadmio</source>
        <translation>Cadmi</translation>
    </message>
    <message>
        <source>Indio</source>
        <translation>Indi</translation>
    </message>
    <message>
        <source>Estaño</source>
        <translation>Estany</translation>
    </message>
    <message>
        <source>Antimonio</source>
        <translation>Antimoni</translation>
    </message>
    <message>
        <source>Teluro</source>
        <translation>Tel·luri</translation>
    </message>
    <message>
        <source>Yodo</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenón</source>
        <translation>Xenó</translation>
    </message>
    <message>
        <source>Cesio</source>
        <translation>Cesi</translation>
    </message>
    <message>
        <source>Bario</source>
        <translation>Bari</translation>
    </message>
    <message>
        <source>Lantano</source>
        <translation>Lantani</translation>
    </message>
    <message>
        <source>Cerio</source>
        <translation>Ceri</translation>
    </message>
    <message>
        <source>Praseodimio</source>
        <translation>Praseodimi</translation>
    </message>
    <message>
        <source>Neodimio</source>
        <translation>Neodimi</translation>
    </message>
    <message>
        <source>Prometio</source>
        <translation>Prometi</translation>
    </message>
    <message>
        <source>Samario</source>
        <translation>Samari</translation>
    </message>
    <message>
        <source>Europio</source>
        <translation>Europi</translation>
    </message>
    <message>
        <source>Gadolinio</source>
        <translation>Gadolini</translation>
    </message>
    <message>
        <source>Terbio</source>
        <translation>Terbi</translation>
    </message>
    <message>
        <source>Disprosio</source>
        <translation>Disprosi</translation>
    </message>
    <message>
        <source>Holmio</source>
        <translation>Holmi</translation>
    </message>
    <message>
        <source>Erbio</source>
        <translation>Erbi</translation>
    </message>
    <message>
        <source>Tulio</source>
        <translation>Tuli</translation>
    </message>
    <message>
        <source>Iterbio</source>
        <translation>Iterbi</translation>
    </message>
    <message>
        <source>Lutecio</source>
        <translation>Luteci</translation>
    </message>
    <message>
        <source>Hafnio</source>
        <translation>Hafni</translation>
    </message>
    <message>
        <source>Tántalo</source>
        <translation>Tàntal</translation>
    </message>
    <message>
        <source>Wolframio</source>
        <translation>Tungstè</translation>
    </message>
    <message>
        <source>Renio</source>
        <translation>Reni</translation>
    </message>
    <message>
        <source>Osmio</source>
        <translation>Osmi</translation>
    </message>
    <message>
        <source>Iridio</source>
        <translation>Iridi</translation>
    </message>
    <message>
        <source>Platino</source>
        <translation>Platí</translation>
    </message>
    <message>
        <source>Oro</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Mercuri</translation>
    </message>
    <message>
        <source>Talio</source>
        <translation>Tal·li</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Plom</translation>
    </message>
    <message>
        <source>Bismuto</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonio</source>
        <translation>Poloni</translation>
    </message>
    <message>
        <source>Astato</source>
        <translation>Àstat</translation>
    </message>
    <message>
        <source>Radón</source>
        <translation>Radó</translation>
    </message>
    <message>
        <source>Francio</source>
        <translation>Franci</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radi</translation>
    </message>
    <message>
        <source>Actinio</source>
        <translation>Actini</translation>
    </message>
    <message>
        <source>Torio</source>
        <translation>Tori</translation>
    </message>
    <message>
        <source>Protactinio</source>
        <translation>Protoactini</translation>
    </message>
    <message>
        <source>Uranio</source>
        <translation>Urani</translation>
    </message>
    <message>
        <source>Neptunio</source>
        <translation>Neptuni</translation>
    </message>
    <message>
        <source>Plutonio</source>
        <translation>Plutoni</translation>
    </message>
    <message>
        <source>Americio</source>
        <translation>Americi</translation>
    </message>
    <message>
        <source>Curio</source>
        <translation>Curi</translation>
    </message>
    <message>
        <source>Berkelio</source>
        <translation>Berkeli</translation>
    </message>
    <message>
        <source>Californio</source>
        <translation>Californi</translation>
    </message>
    <message>
        <source>Einstenio</source>
        <translation>Einsteini</translation>
    </message>
    <message>
        <source>Fermio</source>
        <translation>Fermi</translation>
    </message>
    <message>
        <source>Mendelevio</source>
        <translation>Mendelevi</translation>
    </message>
    <message>
        <source>Nobelio</source>
        <translation>Nobeli</translation>
    </message>
    <message>
        <source>Laurencio</source>
        <translation>Lawrenci</translation>
    </message>
    <message>
        <source>Rutherfordio</source>
        <translation>Rutherfordi</translation>
    </message>
    <message>
        <source>Dubnio</source>
        <translation>Dubni</translation>
    </message>
    <message>
        <source>Seaborgio</source>
        <translation>Seaborgi</translation>
    </message>
    <message>
        <source>Bohrio</source>
        <translation>Bohri</translation>
    </message>
    <message>
        <source>Hassio</source>
        <translation>Hassi</translation>
    </message>
    <message>
        <source>Meitnerio</source>
        <translation>Meitneri</translation>
    </message>
    <message>
        <source>Ununnilio</source>
        <translation>Ununnili</translation>
    </message>
    <message>
        <source>Unununio</source>
        <translation>Unununi</translation>
    </message>
    <message>
        <source>Ununbio</source>
        <translation>Ununbi</translation>
    </message>
    <message>
        <source>Ununtrio</source>
        <translation>Ununtri</translation>
    </message>
    <message>
        <source>Ununcuadio</source>
        <translation>Ununquadi</translation>
    </message>
</context>
<context>
    <name>errorbox</name>
    <message>
        <source>Error desconocido</source>
        <translation>Error desconegut</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Total aciertos:</source>
        <translation>Total d&apos;encerts:</translation>
    </message>
    <message>
        <source>Intentos:</source>
        <translation>Intents:</translation>
    </message>
    <message>
        <source>Lantánidos</source>
        <translation>Lantànids</translation>
    </message>
    <message>
        <source>Actínidos</source>
        <translation>Actínids</translation>
    </message>
    <message>
        <source>Si no has hecho TRAMPA ... ERES UN  </source>
        <extracomment>The genie&apos;s picture follows as the sentence&apos;s last word (&quot;genio&quot;: genie and genius).</extracomment>
        <translation>Si no has fet TRAMPA ... ETS UN  </translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>&amp;Corregir vistas</source>
        <translation>&amp;Corregir fitxes</translation>
    </message>
    <message>
        <source>&amp;Datos</source>
        <translation>&amp;Dades</translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Elementos</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Obrir</translation>
    </message>
</context>
</TS>
