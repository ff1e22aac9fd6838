<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>ClassTable</name>
    <message>
        <source>Alumnos que lo pusieron en su casilla en su última corrección</source>
        <translation>Alumnes que el van posar a la seua casella en l&apos;última correcció</translation>
    </message>
    <message>
        <source>Sin datos</source>
        <translation>Sense dades</translation>
    </message>
    <message>
        <source>Tabla periódica de la clase</source>
        <translation>Taula periòdica de la classe</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Sin datos: ninguna corrección lo incluye.</source>
        <translation>Sense dades: cap correcció no l&apos;inclou.</translation>
    </message>
    <message>
        <source>En su casilla: %1 de %2 (%3)</source>
        <translation>A la seua casella: %1 de %2 (%3)</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: 1 alumno</source>
        <translation>%1 fora del tauler: 1 alumne</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: %2 alumnos</source>
        <translation>%1 fora del tauler: %2 alumnes</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: 1 alumno</source>
        <translation>%1 a la casella de %2: 1 alumne</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: %3 alumnos</source>
        <translation>%1 a la casella de %2: %3 alumnes</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>Between the number and the sign, a no-break space, so that a line never ends between them.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suprimix</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suprimix</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Resumen de la clase: %1</source>
        <translation>Resum de la classe: %1</translation>
    </message>
    <message>
        <source>Registros de los alumnos</source>
        <translation>Registres dels alumnes</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Todos los grupos</source>
        <translation>Tots els grups</translation>
    </message>
    <message>
        <source>(sin grupo)</source>
        <translation>(sense grup)</translation>
    </message>
    <message>
        <source>Desde</source>
        <translation>Des de</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>Fins a</translation>
    </message>
    <message>
        <source>&amp;Grupo:</source>
        <translation>&amp;Grup:</translation>
    </message>
    <message>
        <source>&amp;Desde:</source>
        <translation>&amp;Des de:</translation>
    </message>
    <message>
        <source>&amp;Hasta:</source>
        <translation>&amp;Fins a:</translation>
    </message>
    <message>
        <source>Ver cuáles…</source>
        <translation>Detalls…</translation>
    </message>
    <message>
        <source>Los ficheros que no se han podido leer, y por qué:</source>
        <translation>Els fitxers que no s&apos;han pogut llegir, i per què:</translation>
    </message>
    <message>
        <source>Dónde se puso el elemento</source>
        <translation>On s&apos;ha posat l&apos;element</translation>
    </message>
    <message>
        <source>Los elementos más fallados</source>
        <translation>Els elements amb més errors</translation>
    </message>
    <message>
        <source>Dónde se puso</source>
        <translation>On s&apos;ha posat</translation>
    </message>
    <message>
        <source>Los más &amp;fallados</source>
        <translation>Amb més &amp;errors</translation>
    </message>
    <message>
        <source>Exportar &amp;CSV…</source>
        <translation>Exportar en &amp;CSV…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>Exportar en &amp;PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tancar</translation>
    </message>
    <message>
        <source>Ninguno</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Señala una casilla de la tabla, o elígela con las flechas, para ver dónde se puso ese elemento.</source>
        <translation>Assenyala una casella de la taula, o tria-la amb les fletxes, per a veure on s&apos;ha posat este element.</translation>
    </message>
    <message>
        <source>grupo %1</source>
        <translation>grup %1</translation>
    </message>
    <message>
        <source>del %1 al %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Filtro: %1</source>
        <translation>Filtre: %1</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>resum</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exportar en PDF</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exportar en CSV</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <translation>Fulls de càlcul CSV (*.csv)</translation>
    </message>
    <message>
        <source>Una por alumno</source>
        <translation>Una per alumne</translation>
    </message>
    <message>
        <source>Una por envío</source>
        <translation>Una per enviament</translation>
    </message>
    <message>
        <source>%1 alumnos; %2 de %3 registros</source>
        <translation>%1 alumnes; %2 de %3 registres</translation>
    </message>
    <message>
        <source>F&amp;ilas:</source>
        <translation>F&amp;iles:</translation>
    </message>
    <message>
        <source>%1 registros repetidos (el mismo fichero en dos sitios) se cuentan una vez.</source>
        <extracomment>Records found twice in the folder (the same file copied into two places).</extracomment>
        <translation>%1 registres repetits (el mateix fitxer en dos llocs) es compten una volta.</translation>
    </message>
    <message>
        <source>clase</source>
        <translation>classe</translation>
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
        <translation>Fes clic al botó Corregir per a comprovar els encerts. El comptador indica el </translation>
    </message>
    <message>
        <source>número total de elementos colocados correctamente y el porcentaje de aciertos.</source>
        <translation>nombre total d&apos;elements col·locats correctament i el percentatge d&apos;encerts.</translation>
    </message>
    <message>
        <source>Para enviar los resultados por correo electrónico asegúrate de escribir tus datos,</source>
        <translation>Per a enviar els resultats per correu electrònic, assegura&apos;t d&apos;escriure les teues dades,</translation>
    </message>
    <message>
        <source>pulsa sobre el botón y escribe la dirección de e-mail.</source>
        <translation>fes clic al botó i escriu l&apos;adreça de correu electrònic.</translation>
    </message>
    <message>
        <source>Lo siento, no se encontró tu navegador</source>
        <translation>Ho sent, no s&apos;ha trobat el teu navegador</translation>
    </message>
    <message>
        <source>Enlace: Intro lo abre en el navegador.</source>
        <translation>Enllaç: Intro l&apos;obre al navegador.</translation>
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
        <translation>Introduïx les teues dades personals abans d&apos;enviar els resultats:</translation>
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
        <translation>Eixir</translation>
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
        <source>sólido</source>
        <translation>sòlid</translation>
    </message>
    <message>
        <source>líquido</source>
        <translation>líquid</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>sintético</source>
        <translation>sintètic</translation>
    </message>
    <message>
        <source>Nuevo tablero: intento %1.</source>
        <translation>Tauler nou: intent %1.</translation>
    </message>
    <message>
        <source>Corrección: %1 de %2 bien colocados. Total aciertos %3, %4 %. Intento %5.</source>
        <extracomment>What a screen reader says after a correction: this correction&apos;s hits out of the cells, the running total and its percentage, and the attempt.</extracomment>
        <translation>Correcció: %1 de %2 ben col·locats. Total d&apos;encerts %3, %4 %. Intent %5.</translation>
    </message>
    <message>
        <source>Si no has hecho trampa, ¡eres un genio!</source>
        <translation>Si no has fet trampa, ets un geni!</translation>
    </message>
    <message>
        <source>Resultados enviados.</source>
        <translation>Resultats enviats.</translation>
    </message>
    <message>
        <source>No se pudieron enviar todos los resultados.</source>
        <translation>No s&apos;han pogut enviar tots els resultats.</translation>
    </message>
    <message>
        <source>%1 en la %2.</source>
        <extracomment>A tile put down on a cell: the tile&apos;s name, then the cell&apos;s.</extracomment>
        <translation>%1 a la %2.</translation>
    </message>
    <message>
        <source>%1 en la %2, que ya ocupaba %3.</source>
        <extracomment>A tile put down on a cell that held another: both now stand there.</extracomment>
        <translation>%1 a la %2, on ja hi havia %3.</translation>
    </message>
    <message>
        <source> y </source>
        <translation> i </translation>
    </message>
    <message>
        <source>bien</source>
        <translation>bé</translation>
    </message>
    <message>
        <source>mal colocado</source>
        <translation>mal col·locat</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>After a correction: the cell, the tile now on it, and the verdict on the pupil&apos;s.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ocupada por %2</source>
        <translation>%1, ocupada per %2</translation>
    </message>
    <message>
        <source>Yendo a la %1</source>
        <translation>Anant a la %1</translation>
    </message>
    <message>
        <source>Volviendo a la bandeja</source>
        <translation>Tornant a la safata</translation>
    </message>
    <message>
        <source>En la %1</source>
        <translation>A la %1</translation>
    </message>
    <message>
        <source>En la %1: %2</source>
        <translation>A la %1: %2</translation>
    </message>
    <message>
        <source>En la bandeja</source>
        <translation>A la safata</translation>
    </message>
    <message>
        <source>Aún no has corregido.</source>
        <translation>Encara no has corregit.</translation>
    </message>
    <message>
        <source>Mal colocadas, %1: %2.</source>
        <translation>Mal col·locades, %1: %2.</translation>
    </message>
    <message>
        <source>Tabla periódica</source>
        <extracomment>What a screen reader calls the board: the blank table the tiles are put on.</extracomment>
        <translation>Taula periòdica</translation>
    </message>
    <message>
        <source>No hay más casillas a la derecha.</source>
        <translation>No hi ha més caselles a la dreta.</translation>
    </message>
    <message>
        <source>No hay más fichas a la derecha.</source>
        <translation>No hi ha més fitxes a la dreta.</translation>
    </message>
    <message>
        <source>No hay más casillas a la izquierda.</source>
        <translation>No hi ha més caselles a l&apos;esquerra.</translation>
    </message>
    <message>
        <source>No hay más fichas a la izquierda.</source>
        <translation>No hi ha més fitxes a l&apos;esquerra.</translation>
    </message>
    <message>
        <source>No hay más casillas arriba.</source>
        <translation>No hi ha més caselles a dalt.</translation>
    </message>
    <message>
        <source>No hay más fichas arriba.</source>
        <translation>No hi ha més fitxes a dalt.</translation>
    </message>
    <message>
        <source>No hay más casillas abajo.</source>
        <translation>No hi ha més caselles a baix.</translation>
    </message>
    <message>
        <source>No hay más fichas abajo.</source>
        <translation>No hi ha més fitxes a baix.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones. En el tablero, las flechas o la inicial del símbolo eligen una ficha; Intro la coge, las flechas, el número o Inicio y Fin eligen la casilla e Intro la deja; Escape la devuelve. Tras corregir, F7 dice las fichas mal colocadas y F8 repite el resultado.</source>
        <extracomment>What a screen reader says of the window the first time: how to play by keys.</extracomment>
        <translation>F6 porta al tauler i torna als botons. Al tauler, les fletxes o la inicial del símbol trien una fitxa; Intro l&apos;agafa, les fletxes, el número o Inici i Fi trien la casella i Intro la deixa; Esc la torna. Després de corregir, F7 diu les fitxes mal col·locades i F8 repetix el resultat.</translation>
    </message>
    <message>
        <source>%1, cogida.</source>
        <extracomment>A tile picked up by the keys: &quot;Md, Mendelevio, sintético, cogida&quot;.</extracomment>
        <translation>%1, agafada.</translation>
    </message>
    <message>
        <source>No hay ninguna casilla %1.</source>
        <translation>No hi ha cap casella %1.</translation>
    </message>
    <message>
        <source>Ningún símbolo empieza por %1.</source>
        <extracomment>A letter typed on the board that begins no element&apos;s symbol.</extracomment>
        <translation>Cap símbol no comença per %1.</translation>
    </message>
    <message>
        <source>no colocada</source>
        <translation>no col·locada</translation>
    </message>
    <message>
        <source>%1. Llevas %2</source>
        <extracomment>The target cell while a tile is picked up by the keys: the cell, then the tile carried.</extracomment>
        <translation>%1. Portes %2</translation>
    </message>
    <message>
        <source>%1, en la casilla %2</source>
        <extracomment>A tile on a wrong cell: &quot;Na, Sodio, en la casilla 12&quot;.</extracomment>
        <translation>%1, a la casella %2</translation>
    </message>
    <message>
        <source>Ninguna ficha mal colocada.</source>
        <translation>Cap fitxa mal col·locada.</translation>
    </message>
    <message>
        <source>Una casilla vacía.</source>
        <translation>Una casella buida.</translation>
    </message>
    <message>
        <source>%1 casillas vacías.</source>
        <translation>%1 caselles buides.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones.</source>
        <extracomment>What a screen reader says of the window after the first time.</extracomment>
        <translation>F6 porta al tauler i torna als botons.</translation>
    </message>
</context>
<context>
    <name>TGauge</name>
    <message>
        <source>%1%</source>
        <extracomment>The gauge&apos;s figure; a language that writes the sign first moves it.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A counter as a screen reader says it: what it counts, then the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Grupo %1</source>
        <translation>Grup %1</translation>
    </message>
    <message>
        <source>Periodo %1</source>
        <translation>Període %1</translation>
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
        <source>Número atómico</source>
        <translation>Nombre atòmic</translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation>Símbol</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <source>Argumento desconocido: %1</source>
        <translation>Argument desconegut: %1</translation>
    </message>
    <message>
        <source>La opción %1 no admite ningún valor.</source>
        <translation>L&apos;opció %1 no admet cap valor.</translation>
    </message>
    <message>
        <source>Falta el idioma después de %1.</source>
        <translation>Falta l&apos;idioma després de %1.</translation>
    </message>
    <message>
        <source>Falta la carpeta después de %1.</source>
        <translation>Falta la carpeta després de %1.</translation>
    </message>
    <message>
        <source>Falta el nombre del fichero después de %1.</source>
        <translation>Falta el nom del fitxer després de %1.</translation>
    </message>
    <message>
        <source>Falta el valor después de %1.</source>
        <translation>Falta el valor després de %1.</translation>
    </message>
    <message>
        <source>La opción %1 solo sirve con --resumen CARPETA.</source>
        <extracomment>--resumen stays as it is; CARPETA is the name of its value, as in the help.</extracomment>
        <translation>L&apos;opció %1 només servix amb --resumen CARPETA.</translation>
    </message>
    <message>
        <source>tabelora: «marcas = %1» de la configuración del aula no es true ni false; no se tiene en cuenta.
</source>
        <extracomment>marcas, true and false stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: «marcas = %1» de la configuració de l&apos;aula no és true ni false; no es té en compte.
</translation>
    </message>
    <message>
        <source>Falta la tabla después de %1.</source>
        <translation>Falta la taula després de %1.</translation>
    </message>
    <message>
        <source>Tabla desconocida: %1. Las tablas son clasica y actual.</source>
        <extracomment>clasica and actual stay as they are: they are what the option takes.</extracomment>
        <translation>Taula desconeguda: %1. Les taules són clasica i actual.</translation>
    </message>
    <message>
        <source>tabelora: «tabla = %1» de la configuración del aula no es clasica ni actual; no se tiene en cuenta.
</source>
        <extracomment>tabla, clasica and actual stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: «tabla = %1» de la configuració de l&apos;aula no és clasica ni actual; no es té en compte.
</translation>
    </message>
    <message>
        <source>Idioma desconocido: %1. Los idiomas son es, ca, ca-valencia, gl y eu.</source>
        <translation>Idioma desconegut: %1. Els idiomes són es, ca, ca-valencia, gl i eu.</translation>
    </message>
    <message>
        <source>tabelora: el idioma «%1» de la configuración del aula no es ninguno de es, ca, ca-valencia, gl y eu; no se tiene en cuenta.
</source>
        <extracomment>The codes es, ca, ca-valencia, gl and eu stay as they are.</extracomment>
        <translation>tabelora: l&apos;idioma «%1» de la configuració de l&apos;aula no és cap d&apos;aquests: es, ca, ca-valencia, gl i eu; no es té en compte.
</translation>
    </message>
    <message>
        <source>Uso: %1 [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]
         [--informes CARPETA] [--marcas] [--proyector]
     %1 --resumen CARPETA [--csv FICHERO] [--pdf FICHERO]
     %1 --comprobar

Tabelora, ejercicio para aprender la tabla periódica.

Opciones:
  --idioma IDIOMA     idioma del programa: es (castellano), ca (catalán),
                      ca-valencia (valenciano), gl (gallego) o eu (euskera).
                      Sin esta opción se sigue el idioma de la configuración
                      del aula o, si no lo hay, el del sistema: catalán con
                      ca_*, valenciano con ca_*@valencia, gallego con gl_*,
                      euskera con eu_* y castellano con cualquier otro.
  --tabla clasica     la tabla del ejercicio, de 114 elementos (la de siempre).
  --tabla actual      la tabla de hoy, de 118 elementos con sus nombres y
                      símbolos actuales. Sin esta opción, la de la
                      configuración del aula (tabla=clasica o tabla=actual)
                      o, si no la hay, la clásica.
  --informes CARPETA  carpeta de resultados de esta sesión: cada «Enviar» deja
                      allí un registro. Sin esta opción, la de la configuración
                      del aula.
  --marcas            al corregir, marca cada ficha con un signo además del
                      color: ✓ bien colocada, ✗ mal colocada; la leyenda
                      muestra también una trama para cada estado. También
                      con marcas=true en la configuración del aula.
  --proyector         agranda las ventanas tanto como quepan en la pantalla,
                      para una pizarra digital o un proyector.
  --resumen CARPETA   abre el resumen de la clase con los registros de la
                      carpeta y de sus subcarpetas, en lugar del ejercicio.
  --csv FICHERO       con --resumen: escribe la tabla de los alumnos en un
                      fichero CSV y termina, sin abrir ninguna ventana.
  --pdf FICHERO       con --resumen: escribe el resumen en un fichero PDF y
                      termina, sin abrir ninguna ventana.
  --comprobar         comprueba la configuración del aula de este equipo y la
                      carpeta de resultados, sin abrir ninguna ventana.
  -h, --help          muestra esta ayuda.
      --version       muestra la versión del programa.
</source>
        <extracomment>The option names (--idioma, --tabla, --informes, --marcas, --proyector, --resumen, --csv, --pdf, --comprobar, --help, --version), the codes es, ca, ca-valencia, gl and eu, the locale patterns (ca_*, ca_*@valencia, gl_*, eu_*) and the tables&apos; names clasica and actual stay as they are; the names of the values (IDIOMA, CARPETA, FICHERO) and the button&apos;s name «Enviar» are translated.</extracomment>
        <translation>Ús: %1 [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]
        [--informes CARPETA] [--marcas] [--proyector]
    %1 --resumen CARPETA [--csv FITXER] [--pdf FITXER]
    %1 --comprobar

Tabelora, exercici per a aprendre la taula periòdica.

Opcions:
  --idioma IDIOMA     idioma del programa: es (castellà), ca (català),
                      ca-valencia (valencià), gl (gallec) o eu (basc). Sense
                      esta opció s&apos;usa l&apos;idioma de la configuració de l&apos;aula
                      o, si no n&apos;hi ha, el del sistema: català si és ca_*,
                      valencià si és ca_*@valencia, gallec si és gl_*, basc
                      si és eu_* i castellà en qualsevol altre cas.
  --tabla clasica     la taula de l&apos;exercici, de 114 elements (la de sempre).
  --tabla actual      la taula de hui, de 118 elements, amb els noms i els
                      símbols actuals. Sense esta opció s&apos;usa la de la
                      configuració de l&apos;aula (tabla=clasica o tabla=actual)
                      o, si no n&apos;hi ha, la clàssica.
  --informes CARPETA  carpeta de resultats d&apos;esta sessió: cada vegada que es
                      prem «Enviar», s&apos;hi guarda un registre. Sense esta
                      opció s&apos;usa la de la configuració de l&apos;aula.
  --marcas            en corregir, marca cada fitxa amb un signe a més del
                      color: ✓ ben col·locada, ✗ mal col·locada; la llegenda
                      mostra també una trama per a cada estat. També s&apos;activa
                      amb marcas=true a la configuració de l&apos;aula.
  --proyector         amplia les finestres tant com ho permet la pantalla,
                      per a una pissarra digital o un projector.
  --resumen CARPETA   obre el resum de la classe amb els registres de la
                      carpeta i de les subcarpetes, en lloc de l&apos;exercici.
  --csv FITXER        amb --resumen: escriu la taula dels alumnes en un fitxer
                      CSV i acaba, sense obrir cap finestra.
  --pdf FITXER        amb --resumen: escriu el resum en un fitxer PDF i acaba,
                      sense obrir cap finestra.
  --comprobar         comprova la configuració de l&apos;aula d&apos;este ordinador i la
                      carpeta de resultats, sense obrir cap finestra.
  -h, --help          mostra esta ajuda.
      --version       mostra la versió del programa.
</translation>
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
    <message>
        <source>Lawrencio</source>
        <translation>Lawrenci</translation>
    </message>
    <message>
        <source>Hasio</source>
        <translation>Hassi</translation>
    </message>
    <message>
        <source>Darmstatio</source>
        <translation>Darmstadti</translation>
    </message>
    <message>
        <source>Roentgenio</source>
        <translation>Roentgeni</translation>
    </message>
    <message>
        <source>Copernicio</source>
        <translation>Copernici</translation>
    </message>
    <message>
        <source>Nihonio</source>
        <translation>Nihoni</translation>
    </message>
    <message>
        <source>Flerovio</source>
        <translation>Flerovi</translation>
    </message>
    <message>
        <source>Moscovio</source>
        <translation>Moscovi</translation>
    </message>
    <message>
        <source>Livermorio</source>
        <translation>Livermori</translation>
    </message>
    <message>
        <source>Teneso</source>
        <translation>Tennes</translation>
    </message>
    <message>
        <source>Oganesón</source>
        <translation>Oganessó</translation>
    </message>
</context>
<context>
    <name>errorbox</name>
    <message>
        <source>Error desconocido</source>
        <translation>Error desconegut</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it can&apos;t be made. The Spanish program shows these English words.</extracomment>
        <translation>No es pot crear el fitxer &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a file can&apos;t be made: something other than a file has its name (a folder, a device).</extracomment>
        <translation>No és un fitxer normal</translation>
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
    <message>
        <source>Leyenda: sólido, amarillo; líquido, cian</source>
        <translation>Llegenda: sòlid, groc; líquid, cian</translation>
    </message>
    <message>
        <source>Leyenda: gas, azul claro; sintético, salmón</source>
        <translation>Llegenda: gas, blau clar; sintètic, salmó</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 %</source>
        <extracomment>The share of memory in use; a language that writes the sign first moves it.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>La carpeta «%1» no existe.</source>
        <extracomment>The results folder is never made by the program: it is the teacher&apos;s.</extracomment>
        <translation>La carpeta «%1» no existix.</translation>
    </message>
    <message>
        <source>no se puede leer: %1</source>
        <translation>no es pot llegir: %1</translation>
    </message>
    <message>
        <source>no está en UTF-8: se ha leído como Windows-1252</source>
        <translation>no està en UTF-8: s&apos;ha llegit com a Windows-1252</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]</source>
        <translation>capçalera desconeguda [%1]</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]; ¿quería decir [%2]?</source>
        <translation>capçalera desconeguda [%1]; volia dir [%2]?</translation>
    </message>
    <message>
        <source>no es ni «[encabezado]» ni «clave = valor»: %1</source>
        <translation>no és ni «[capçalera]» ni «clau = valor»: %1</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]</source>
        <translation>clau desconeguda «%1» a [%2]</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]; ¿quería decir «%3»?</source>
        <translation>clau desconeguda «%1» a [%2]; volia dir «%3»?</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta: %1</source>
        <translation>No es pot llegir la carpeta: %1</translation>
    </message>
    <message>
        <source>Es una carpeta oculta; no se lee</source>
        <translation>És una carpeta oculta; no es llig</translation>
    </message>
    <message>
        <source>Es un enlace a una carpeta; no se sigue</source>
        <translation>És un enllaç a una carpeta; no se seguix</translation>
    </message>
    <message>
        <source>Es un fichero oculto; no se lee</source>
        <translation>És un fitxer ocult; no es llig</translation>
    </message>
    <message>
        <source>No se puede abrir la carpeta</source>
        <translation>No es pot obrir la carpeta</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>No és un fitxer normal</translation>
    </message>
    <message>
        <source>Ocupa más de los %1 bytes que puede ocupar un registro; no se lee</source>
        <extracomment>%1 is the number of bytes a record can take at most.</extracomment>
        <translation>Ocupa més dels %1 bytes que pot ocupar un registre; no es llig</translation>
    </message>
    <message>
        <source>Es un enlace a algo que no existe</source>
        <translation>És un enllaç a una cosa que no existix</translation>
    </message>
    <message>
        <source>Es un enlace que, de enlace en enlace, vuelve a sí mismo</source>
        <translation>És un enllaç que, d&apos;enllaç en enllaç, torna a si mateix</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>«%1» no es un texto</source>
        <translation>«%1» no és un text</translation>
    </message>
    <message>
        <source>«%1» no es un número entero</source>
        <translation>«%1» no és un nombre enter</translation>
    </message>
    <message>
        <source>«%1» es %2, menos de %3</source>
        <translation>«%1» és %2, menys de %3</translation>
    </message>
    <message>
        <source>«%1» es %2, fuera de %3..%4</source>
        <translation>«%1» és %2, fora de %3..%4</translation>
    </message>
    <message>
        <source>«%1» no es una hora con su diferencia con UTC: «%2»</source>
        <translation>«%1» no és una hora amb la seua diferència amb UTC: «%2»</translation>
    </message>
    <message>
        <source>«%1» no es una lista</source>
        <translation>«%1» no és una llista</translation>
    </message>
    <message>
        <source>«%1» no es un objeto</source>
        <translation>«%1» no és un objecte</translation>
    </message>
    <message>
        <source>corrección %1: </source>
        <translation>correcció %1: </translation>
    </message>
    <message>
        <source>no es un objeto</source>
        <translation>no és un objecte</translation>
    </message>
    <message>
        <source>%1 posiciones para %2 casillas</source>
        <translation>%1 posicions per a %2 caselles</translation>
    </message>
    <message>
        <source>la posición %1 no es una casilla 0..%2</source>
        <translation>la posició %1 no és una casella 0..%2</translation>
    </message>
    <message>
        <source>no es JSON: %1 en el byte %2</source>
        <translation>no és JSON: %1 al byte %2</translation>
    </message>
    <message>
        <source>no es un objeto JSON</source>
        <translation>no és un objecte JSON</translation>
    </message>
    <message>
        <source>no es un registro de Tabelora: falta «formato»</source>
        <translation>no és un registre de Tabelora: falta «formato»</translation>
    </message>
    <message>
        <source>otro formato: «%1»</source>
        <translation>un altre format: «%1»</translation>
    </message>
    <message>
        <source>versión %1, posterior a la que lee este programa (%2)</source>
        <translation>versió %1, posterior a la que llegeix este programa (%2)</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta «%1»: %2</source>
        <translation>No es pot escriure a la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>No se puede guardar el registro «%1»: %2</source>
        <translation>No es pot guardar el registre «%1»: %2</translation>
    </message>
</context>
<context>
    <name>sending</name>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2 Se ha guardado una copia en este equipo, que se enviará de nuevo.</source>
        <extracomment>A send the results folder did not receive: the folder, the system&apos;s reason.</extracomment>
        <translation>Els resultats no han arribat a la carpeta «%1». %2 S&apos;ha guardat una còpia en este ordinador, que s&apos;enviarà de nou.</translation>
    </message>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2</source>
        <translation>Els resultats no han arribat a la carpeta «%1». %2</translation>
    </message>
</context>
<context>
    <name>setupcheck</name>
    <message>
        <source>solo su propietario puede dejar registros: los alumnos de otras cuentas no podrán enviar.</source>
        <translation>només el seu propietari hi pot deixar registres: els alumnes d&apos;altres comptes no podran enviar.</translation>
    </message>
    <message>
        <source>los alumnos pueden dejar registros, pero no borrar ni cambiar los de otros</source>
        <translation>els alumnes hi poden deixar registres, però no esborrar ni canviar els d&apos;altres</translation>
    </message>
    <message>
        <source>los alumnos pueden borrar o cambiar los registros de otros (falta el bit «t»: chmod 1733)</source>
        <translation>els alumnes poden esborrar o canviar els registres d&apos;altres (hi falta el bit «t»: chmod 1733)</translation>
    </message>
    <message>
        <source>, y leerlos.</source>
        <translation>, i llegir-los.</translation>
    </message>
    <message>
        <source>, ni leerlos.</source>
        <translation>, ni llegir-los.</translation>
    </message>
    <message>
        <source>Configuración del aula:</source>
        <translation>Configuració de l&apos;aula:</translation>
    </message>
    <message>
        <source>  leído:      %1</source>
        <translation>  llegit:     %1</translation>
    </message>
    <message>
        <source>  sin leer:   %1</source>
        <translation>  sense llegir: %1</translation>
    </message>
    <message>
        <source>  no existe:  %1</source>
        <translation>  no existeix: %1</translation>
    </message>
    <message>
        <source>Problemas:</source>
        <translation>Problemes:</translation>
    </message>
    <message>
        <source>Valores en vigor:</source>
        <translation>Valors en vigor:</translation>
    </message>
    <message>
        <source>  (la carpeta la da --informes)</source>
        <translation>  (la carpeta la dona --informes)</translation>
    </message>
    <message>
        <source>Sin carpeta de resultados: cada registro se guarda solo en el equipo del alumno.</source>
        <translation>Sense carpeta de resultats: cada registre es guarda només a l&apos;ordinador de l&apos;alumne.</translation>
    </message>
    <message>
        <source>Carpeta de resultados: %1</source>
        <translation>Carpeta de resultats: %1</translation>
    </message>
    <message>
        <source>  no es una carpeta.</source>
        <translation>  no és una carpeta.</translation>
    </message>
    <message>
        <source>  no existe: el programa no la crea; hágala el profesor, o monte la carpeta compartida.</source>
        <translation>  no existeix: el programa no la crea; l&apos;ha de crear el professor, o cal muntar la carpeta compartida.</translation>
    </message>
    <message>
        <source>  propietario %1, permisos %2</source>
        <translation>  propietari %1, permisos %2</translation>
    </message>
    <message>
        <source>  esta cuenta puede dejar registros en ella (se ha escrito y borrado un fichero de prueba).</source>
        <translation>  este compte hi pot deixar registres (s&apos;hi ha escrit i esborrat un fitxer de prova).</translation>
    </message>
    <message>
        <source>  esta cuenta no puede dejar registros en ella: %1</source>
        <translation>  este compte no hi pot deixar registres: %1</translation>
    </message>
    <message>
        <source>Todo en orden.</source>
        <translation>Tot en ordre.</translation>
    </message>
    <message>
        <source>Hay problemas en la configuración.</source>
        <translation>Hi ha problemes en la configuració.</translation>
    </message>
</context>
<context>
    <name>summaryexport</name>
    <message>
        <source>Alumno</source>
        <translation>Alumne</translation>
    </message>
    <message>
        <source>El nombre que escribió el alumno</source>
        <translation>El nom que va escriure l&apos;alumne</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>El grupo que escribió el alumno</source>
        <translation>El grup que va escriure l&apos;alumne</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equip</translation>
    </message>
    <message>
        <source>El ordenador desde el que se envió</source>
        <translation>L&apos;ordinador des del qual es va enviar</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Cuándo se envió, en la hora del ordenador del alumno</source>
        <translation>Quan es va enviar, segons l&apos;hora de l&apos;ordinador de l&apos;alumne</translation>
    </message>
    <message>
        <source>Correcciones</source>
        <translation>Correccions</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero antes de enviar</source>
        <translation>Les vegades que va corregir el tauler abans d&apos;enviar</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Encerts</translation>
    </message>
    <message>
        <source>Aciertos de la última corrección</source>
        <translation>Encerts de l&apos;última correcció</translation>
    </message>
    <message>
        <source>Mejor</source>
        <translation>Millor</translation>
    </message>
    <message>
        <source>Aciertos de la mejor corrección</source>
        <translation>Encerts de la millor correcció</translation>
    </message>
    <message>
        <source>Porcentaje</source>
        <translation>Percentatge</translation>
    </message>
    <message>
        <source>No se puede escribir «%1»: %2.</source>
        <translation>No es pot escriure «%1»: %2.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>La carpeta «%1» no existe.</source>
        <translation>La carpeta «%1» no existix.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta.</source>
        <translation>«%1» no és una carpeta.</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta «%1».</source>
        <translation>No es pot llegir la carpeta «%1».</translation>
    </message>
    <message>
        <source>1 registro no se ha podido leer</source>
        <translation>1 registre no s&apos;ha pogut llegir</translation>
    </message>
    <message>
        <source>%1 registros no se han podido leer</source>
        <translation>%1 registres no s&apos;han pogut llegir</translation>
    </message>
    <message>
        <source>Resumen de la clase</source>
        <translation>Resum de la classe</translation>
    </message>
    <message>
        <source>Carpeta: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message>
        <source>Fecha: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Registros: %1</source>
        <translation>Registres: %1</translation>
    </message>
    <message>
        <source>Los más fallados: %1</source>
        <translation>Amb més errors: %1</translation>
    </message>
    <message>
        <source>Los aciertos sobre las casillas de las correcciones de este envío</source>
        <translation>Els encerts sobre les caselles de les correccions d&apos;aquest enviament</translation>
    </message>
    <message>
        <source>Envíos</source>
        <translation>Enviaments</translation>
    </message>
    <message>
        <source>Las veces que el alumno pulsó «Enviar»</source>
        <translation>Les vegades que l&apos;alumne va prémer «Enviar»</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero, en todos sus envíos</source>
        <translation>Les vegades que va corregir el tauler, en tots els seus enviaments</translation>
    </message>
    <message>
        <source>Primera</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su primera corrección</source>
        <translation>El percentatge d&apos;encerts de la seua primera correcció</translation>
    </message>
    <message>
        <source>Última</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su última corrección</source>
        <translation>El percentatge d&apos;encerts de la seua última correcció</translation>
    </message>
    <message>
        <source>Mejor %</source>
        <translation>Millor %</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su mejor corrección</source>
        <translation>El percentatge d&apos;encerts de la seua millor correcció</translation>
    </message>
    <message>
        <source>(sin nombre: %1, %2)</source>
        <extracomment>A record sent with no pupil&apos;s name: the machine and the time instead.</extracomment>
        <translation>(sense nom: %1, %2)</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>No és un fitxer normal</translation>
    </message>
    <message>
        <source>--csv y --pdf no pueden escribir el mismo fichero: «%1».</source>
        <extracomment>--csv and --pdf stay as they are.</extracomment>
        <translation>--csv i --pdf no poden escriure el mateix fitxer: «%1».</translation>
    </message>
</context>
<context>
    <name>system</name>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
