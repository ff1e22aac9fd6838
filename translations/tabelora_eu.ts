<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>ClassTable</name>
    <message>
        <source>Alumnos que lo pusieron en su casilla en su última corrección</source>
        <translation>Azken zuzenketan dagokion gelaxkan jarri zuten ikasleak</translation>
    </message>
    <message>
        <source>Sin datos</source>
        <translation>Daturik ez</translation>
    </message>
    <message>
        <source>Tabla periódica de la clase</source>
        <translation>Klasearen taula periodikoa</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Sin datos: ninguna corrección lo incluye.</source>
        <translation>Daturik ez: ez dago hura barne hartzen duen zuzenketarik.</translation>
    </message>
    <message>
        <source>En su casilla: %1 de %2 (%3)</source>
        <translation>Dagokion gelaxkan: %1/%2 (%3)</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: 1 alumno</source>
        <translation>%1 taulatik kanpo: ikasle 1</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: %2 alumnos</source>
        <translation>%1 taulatik kanpo: %2 ikasle</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: 1 alumno</source>
        <translation>%1, %2 elementuaren gelaxkan: ikasle 1</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: %3 alumnos</source>
        <translation>%1, %2 elementuaren gelaxkan: %3 ikasle</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>Between the number and the sign, a no-break space, so that a line never ends between them.</extracomment>
        <translation>%%1</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Igo</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Jaitsi</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Hautatu &amp;dena</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fitxategiaren &amp;izena:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gorde honela</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Karpeta gurasoa</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Zerrenda ikuspegia</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Xehetasun ikuspegia</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Joan atzera</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Joan aurrera</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Joan karpeta gurasora</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Sortu karpeta berri bat</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Aldatu zerrenda ikuspegira</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Aldatu xehetasun ikuspegira</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lekuen eta laster-marken zerrenda</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Azken lekuak</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Karpeta berria</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Aldatu izena</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Erakutsi fitxategi &amp;ezkutuak</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Karpeta:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 badago lehendik.
Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ziur zaude «%1» ezabatu nahi duzula?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Aldatze-data</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenagailua</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Shift</source>
        <translation>Maius</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiatu &amp;estekaren helbidea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Resumen de la clase: %1</source>
        <translation>Klasearen laburpena: %1</translation>
    </message>
    <message>
        <source>Registros de los alumnos</source>
        <translation>Ikasleen erregistroak</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Taldea</translation>
    </message>
    <message>
        <source>Todos los grupos</source>
        <translation>Talde guztiak</translation>
    </message>
    <message>
        <source>(sin grupo)</source>
        <translation>(talderik gabe)</translation>
    </message>
    <message>
        <source>Desde</source>
        <translation>Noiztik</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>Noiz arte</translation>
    </message>
    <message>
        <source>&amp;Grupo:</source>
        <translation>&amp;Taldea:</translation>
    </message>
    <message>
        <source>&amp;Desde:</source>
        <translation>&amp;Noiztik:</translation>
    </message>
    <message>
        <source>&amp;Hasta:</source>
        <translation>Noiz &amp;arte:</translation>
    </message>
    <message>
        <source>Ver cuáles…</source>
        <translation>Ikusi zeintzuk…</translation>
    </message>
    <message>
        <source>Los ficheros que no se han podido leer, y por qué:</source>
        <translation>Irakurri ezin izan diren fitxategiak, eta zergatik:</translation>
    </message>
    <message>
        <source>Dónde se puso el elemento</source>
        <translation>Elementua non jarri zen</translation>
    </message>
    <message>
        <source>Los elementos más fallados</source>
        <translation>Huts gehien izan dituzten elementuak</translation>
    </message>
    <message>
        <source>Dónde se puso</source>
        <translation>Non jarri zen</translation>
    </message>
    <message>
        <source>Los más &amp;fallados</source>
        <translation>&amp;Huts gehien dituztenak</translation>
    </message>
    <message>
        <source>Exportar &amp;CSV…</source>
        <translation>Esportatu &amp;CSV…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>Esportatu &amp;PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Ninguno</source>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Señala una casilla de la tabla, o elígela con las flechas, para ver dónde se puso ese elemento.</source>
        <translation>Seinalatu taulako gelaxka bat, edo aukeratu geziekin, elementu hori non jarri zen ikusteko.</translation>
    </message>
    <message>
        <source>grupo %1</source>
        <translation>%1 taldea</translation>
    </message>
    <message>
        <source>del %1 al %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Filtro: %1</source>
        <translation>Iragazkia: %1</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>laburpena</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Esportatu PDF</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Esportatu CSV</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF dokumentuak (*.pdf)</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <translation>CSV kalkulu-orriak (*.csv)</translation>
    </message>
    <message>
        <source>Una por alumno</source>
        <translation>Bat ikasleko</translation>
    </message>
    <message>
        <source>Una por envío</source>
        <translation>Bat bidalketako</translation>
    </message>
    <message>
        <source>%1 alumnos; %2 de %3 registros</source>
        <translation>%1 ikasle; %2 / %3 erregistro</translation>
    </message>
    <message>
        <source>F&amp;ilas:</source>
        <translation>Lerr&amp;oak:</translation>
    </message>
    <message>
        <source>%1 registros repetidos (el mismo fichero en dos sitios) se cuentan una vez.</source>
        <extracomment>Records found twice in the folder (the same file copied into two places).</extracomment>
        <translation>%1 erregistro errepikatu (fitxategi bera bi tokitan) behin zenbatzen dira.</translation>
    </message>
    <message>
        <source>clase</source>
        <translation>klasea</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Información</source>
        <translation>Informazioa</translation>
    </message>
    <message>
        <source>Física y Química</source>
        <translation>Fisika&#x2009;eta&#x2009;Kimika</translation>
    </message>
    <message>
        <source>Memoria física disponible:</source>
        <translation>Memoria fisikoa guztira:</translation>
    </message>
    <message>
        <source>Memoria usada:</source>
        <translation>Erabilitakoa:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Tabeloraren praktikak</translation>
    </message>
    <message>
        <source>es.wikipedia.org: Tabla periódica</source>
        <translation>eu.wikipedia.org: Taula periodikoa</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Tabla_peri%C3%B3dica_de_los_elementos</source>
        <extracomment>The address of the periodic table&apos;s page in the language&apos;s own Wikipedia.</extracomment>
        <translation>https://eu.wikipedia.org/wiki/Taula_periodikoa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Funcionamiento del programa</source>
        <translation>Programaren funtzionamendua</translation>
    </message>
    <message>
        <source>Funcionamiento del programa:</source>
        <translation>Programaren funtzionamendua:</translation>
    </message>
    <message>
        <source>Arrastra cada elemento a su posición en la tabla.</source>
        <translation>Arrastatu elementu bakoitza taulan dagokion lekura.</translation>
    </message>
    <message>
        <source>Pulsa sobre el botón Corregir para comprobar los aciertos. El contador indica el </source>
        <extracomment>The sentence runs on into the next line; the button is &quot;&amp;Corregir vistas&quot;.</extracomment>
        <translation>Sakatu Zuzendu botoia asmatutakoak egiaztatzeko. Kontagailuak </translation>
    </message>
    <message>
        <source>número total de elementos colocados correctamente y el porcentaje de aciertos.</source>
        <translation>ondo jarritako elementuen kopuru osoa eta asmatutakoen ehunekoa adierazten ditu.</translation>
    </message>
    <message>
        <source>Para enviar los resultados por correo electrónico asegúrate de escribir tus datos,</source>
        <translation>Emaitzak posta elektronikoz bidaltzeko, ziurtatu zure datuak idatzi dituzula,</translation>
    </message>
    <message>
        <source>pulsa sobre el botón y escribe la dirección de e-mail.</source>
        <translation>sakatu botoia eta idatzi helbide elektronikoa.</translation>
    </message>
    <message>
        <source>Lo siento, no se encontró tu navegador</source>
        <translation>Barkatu, ez da zure nabigatzailea aurkitu</translation>
    </message>
    <message>
        <source>Enlace: Intro lo abre en el navegador.</source>
        <translation>Esteka: Sartu teklak nabigatzailean irekitzen du.</translation>
    </message>
</context>
<context>
    <name>TDatosBox</name>
    <message>
        <source>Datos del alumno</source>
        <translation>Ikaslearen datuak</translation>
    </message>
    <message>
        <source>Introduce tus datos personales antes de enviar los resultados:</source>
        <translation>Idatzi zure datu pertsonalak emaitzak bidali aurretik:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Tabeloraren praktikak</translation>
    </message>
    <message>
        <source>Actividades de Física y Química</source>
        <translation>Fisika eta Kimikako jarduerak</translation>
    </message>
    <message>
        <source>Nombre y apellidos:</source>
        <translation>Izen-abizenak:</translation>
    </message>
    <message>
        <source>Curso y grupo:</source>
        <translation>Maila eta taldea:</translation>
    </message>
    <message>
        <source>Nombre y apellidos</source>
        <translation>Izen-abizenak</translation>
    </message>
    <message>
        <source>Curso y grupo</source>
        <translation>Maila eta taldea</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
</context>
<context>
    <name>TElementos</name>
    <message>
        <source>Elementos</source>
        <translation>Elementuak</translation>
    </message>
    <message>
        <source>Nombres y símbolos de los elementos</source>
        <translation>Elementuen izenak eta ikurrak</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Asmatutakoen ehunekoa</translation>
    </message>
    <message>
        <source>Total aciertos</source>
        <translation>Asmatutakoak guztira</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Saiakerak</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Tabeloraren praktikak</translation>
    </message>
    <message>
        <source>Archivos de 12 imágenes (*.BMP)</source>
        <translation>12 irudiko fitxategiak (*.BMP)</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, grupo %3</source>
        <translation>%1. gelaxka, %2. periodoa, %3. taldea</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, lantánidos</source>
        <translation>%1. gelaxka, %2. periodoa, lantanidoak</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, actínidos</source>
        <translation>%1. gelaxka, %2. periodoa, aktinidoak</translation>
    </message>
    <message>
        <source>sólido</source>
        <translation>solidoa</translation>
    </message>
    <message>
        <source>líquido</source>
        <translation>likidoa</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gasa</translation>
    </message>
    <message>
        <source>sintético</source>
        <translation>sintetikoa</translation>
    </message>
    <message>
        <source>Nuevo tablero: intento %1.</source>
        <translation>Taula berria: %1. saiakera.</translation>
    </message>
    <message>
        <source>Corrección: %1 de %2 bien colocados. Total aciertos %3, %4 %. Intento %5.</source>
        <extracomment>What a screen reader says after a correction: this correction&apos;s hits out of the cells, the running total and its percentage, and the attempt.</extracomment>
        <translation>Zuzenketa: %2 elementutatik %1 ondo jarrita. Asmatutakoak guztira %3, %%4. %5. saiakera.</translation>
    </message>
    <message>
        <source>Si no has hecho trampa, ¡eres un genio!</source>
        <translation>Tranparik egin ez baduzu, jeinu bat zara!</translation>
    </message>
    <message>
        <source>Resultados enviados.</source>
        <translation>Emaitzak bidali dira.</translation>
    </message>
    <message>
        <source>No se pudieron enviar todos los resultados.</source>
        <translation>Ezin izan dira emaitza guztiak bidali.</translation>
    </message>
    <message>
        <source>%1 en la %2.</source>
        <extracomment>A tile put down on a cell: the tile&apos;s name, then the cell&apos;s.</extracomment>
        <translation>%1 kokatuta: %2.</translation>
    </message>
    <message>
        <source>%1 en la %2, que ya ocupaba %3.</source>
        <extracomment>A tile put down on a cell that held another: both now stand there.</extracomment>
        <translation>%1 kokatuta: %2; han zegoen lehendik %3.</translation>
    </message>
    <message>
        <source> y </source>
        <translation> eta </translation>
    </message>
    <message>
        <source>bien</source>
        <translation>ondo</translation>
    </message>
    <message>
        <source>mal colocado</source>
        <translation>gaizki jarria</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>After a correction: the cell, the tile now on it, and the verdict on the pupil&apos;s.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ocupada por %2</source>
        <translation>%1; bertan: %2</translation>
    </message>
    <message>
        <source>Yendo a la %1</source>
        <translation>Bidean, helmuga: %1</translation>
    </message>
    <message>
        <source>Volviendo a la bandeja</source>
        <translation>Erretilura itzultzen</translation>
    </message>
    <message>
        <source>En la %1</source>
        <translation>Kokapena: %1</translation>
    </message>
    <message>
        <source>En la %1: %2</source>
        <translation>Kokapena: %1 (%2)</translation>
    </message>
    <message>
        <source>En la bandeja</source>
        <translation>Erretiluan</translation>
    </message>
    <message>
        <source>Aún no has corregido.</source>
        <translation>Oraindik ez duzu zuzendu.</translation>
    </message>
    <message>
        <source>Mal colocadas, %1: %2.</source>
        <translation>Gaizki jarriak, %1: %2.</translation>
    </message>
    <message>
        <source>Tabla periódica</source>
        <extracomment>What a screen reader calls the board: the blank table the tiles are put on.</extracomment>
        <translation>Taula periodikoa</translation>
    </message>
    <message>
        <source>No hay más casillas a la derecha.</source>
        <translation>Ez dago gelaxka gehiagorik eskuinean.</translation>
    </message>
    <message>
        <source>No hay más fichas a la derecha.</source>
        <translation>Ez dago fitxa gehiagorik eskuinean.</translation>
    </message>
    <message>
        <source>No hay más casillas a la izquierda.</source>
        <translation>Ez dago gelaxka gehiagorik ezkerrean.</translation>
    </message>
    <message>
        <source>No hay más fichas a la izquierda.</source>
        <translation>Ez dago fitxa gehiagorik ezkerrean.</translation>
    </message>
    <message>
        <source>No hay más casillas arriba.</source>
        <translation>Ez dago gelaxka gehiagorik goian.</translation>
    </message>
    <message>
        <source>No hay más fichas arriba.</source>
        <translation>Ez dago fitxa gehiagorik goian.</translation>
    </message>
    <message>
        <source>No hay más casillas abajo.</source>
        <translation>Ez dago gelaxka gehiagorik behean.</translation>
    </message>
    <message>
        <source>No hay más fichas abajo.</source>
        <translation>Ez dago fitxa gehiagorik behean.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones. En el tablero, las flechas o la inicial del símbolo eligen una ficha; Intro la coge, las flechas, el número o Inicio y Fin eligen la casilla e Intro la deja; Escape la devuelve. Tras corregir, F7 dice las fichas mal colocadas y F8 repite el resultado.</source>
        <extracomment>What a screen reader says of the window the first time: how to play by keys.</extracomment>
        <translation>F6 teklak taulara eramaten du, eta botoietara itzultzen. Taulan, geziek edo ikurraren hasierako letrak fitxa bat aukeratzen dute; Sartu teklak hartu egiten du, geziek, zenbakiak edo Hasiera eta Amaiera teklek gelaxka aukeratzen dute eta Sartu teklak uzten du; Ihes teklak itzuli egiten du. Zuzendu ondoren, F7 teklak gaizki jarritako fitxak esaten ditu, eta F8 teklak emaitza errepikatzen du.</translation>
    </message>
    <message>
        <source>%1, cogida.</source>
        <extracomment>A tile picked up by the keys: &quot;Md, Mendelevio, sintético, cogida&quot;.</extracomment>
        <translation>%1, hartuta.</translation>
    </message>
    <message>
        <source>No hay ninguna casilla %1.</source>
        <translation>Ez dago %1. gelaxkarik.</translation>
    </message>
    <message>
        <source>Ningún símbolo empieza por %1.</source>
        <extracomment>A letter typed on the board that begins no element&apos;s symbol.</extracomment>
        <translation>Ez dago %1 letraz hasten den ikurrik.</translation>
    </message>
    <message>
        <source>no colocada</source>
        <translation>jarri gabea</translation>
    </message>
    <message>
        <source>%1. Llevas %2</source>
        <extracomment>The target cell while a tile is picked up by the keys: the cell, then the tile carried.</extracomment>
        <translation>%1. Eramaten duzu: %2</translation>
    </message>
    <message>
        <source>%1, en la casilla %2</source>
        <extracomment>A tile on a wrong cell: &quot;Na, Sodio, en la casilla 12&quot;.</extracomment>
        <translation>%1, %2. gelaxkan</translation>
    </message>
    <message>
        <source>Ninguna ficha mal colocada.</source>
        <translation>Ez dago gaizki jarritako fitxarik.</translation>
    </message>
    <message>
        <source>Una casilla vacía.</source>
        <translation>Gelaxka bat hutsik.</translation>
    </message>
    <message>
        <source>%1 casillas vacías.</source>
        <translation>%1 gelaxka hutsik.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones.</source>
        <extracomment>What a screen reader says of the window after the first time.</extracomment>
        <translation>F6 teklak taulara eramaten du, eta botoietara itzultzen.</translation>
    </message>
</context>
<context>
    <name>TGauge</name>
    <message>
        <source>%1%</source>
        <extracomment>The gauge&apos;s figure; a language that writes the sign first moves it.</extracomment>
        <translation>%%1</translation>
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
        <translation>%1. taldea</translation>
    </message>
    <message>
        <source>Periodo %1</source>
        <translation>%1. periodoa</translation>
    </message>
    <message>
        <source>Lantánidos</source>
        <translation>Lantanidoak</translation>
    </message>
    <message>
        <source>Actínidos</source>
        <translation>Aktinidoak</translation>
    </message>
    <message>
        <source>Número atómico</source>
        <translation>Zenbaki atomikoa</translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation>Ikurra</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Aukera ezezaguna: %1</translation>
    </message>
    <message>
        <source>Argumento desconocido: %1</source>
        <translation>Argumentu ezezaguna: %1</translation>
    </message>
    <message>
        <source>La opción %1 no admite ningún valor.</source>
        <translation>%1 aukerak ez du baliorik onartzen.</translation>
    </message>
    <message>
        <source>Falta el idioma después de %1.</source>
        <translation>Hizkuntza falta da %1 aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Falta la carpeta después de %1.</source>
        <translation>Karpeta falta da %1 aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Falta el nombre del fichero después de %1.</source>
        <translation>Fitxategiaren izena falta da %1 aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Falta el valor después de %1.</source>
        <translation>Balioa falta da %1 aukeraren ondoren.</translation>
    </message>
    <message>
        <source>La opción %1 solo sirve con --resumen CARPETA.</source>
        <extracomment>--resumen stays as it is; CARPETA is the name of its value, as in the help.</extracomment>
        <translation>%1 aukera --resumen KARPETA aukerarekin bakarrik erabil daiteke.</translation>
    </message>
    <message>
        <source>tabelora: «marcas = %1» de la configuración del aula no es true ni false; no se tiene en cuenta.
</source>
        <extracomment>marcas, true and false stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: ikasgelaren konfigurazioko «marcas = %1» ez da true ez false; ez da kontuan hartzen.
</translation>
    </message>
    <message>
        <source>Falta la tabla después de %1.</source>
        <translation>Taula falta da %1 aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Tabla desconocida: %1. Las tablas son clasica y actual.</source>
        <extracomment>clasica and actual stay as they are: they are what the option takes.</extracomment>
        <translation>Taula ezezaguna: %1. Taulak clasica eta actual dira.</translation>
    </message>
    <message>
        <source>tabelora: «tabla = %1» de la configuración del aula no es clasica ni actual; no se tiene en cuenta.
</source>
        <extracomment>tabla, clasica and actual stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: ikasgelaren konfigurazioko «tabla = %1» ez da clasica ez actual; ez da kontuan hartzen.
</translation>
    </message>
    <message>
        <source>Idioma desconocido: %1. Los idiomas son es, ca, ca-valencia, gl y eu.</source>
        <translation>Hizkuntza ezezaguna: %1. Hizkuntzak es, ca, ca-valencia, gl eta eu dira.</translation>
    </message>
    <message>
        <source>tabelora: el idioma «%1» de la configuración del aula no es ninguno de es, ca, ca-valencia, gl y eu; no se tiene en cuenta.
</source>
        <extracomment>The codes es, ca, ca-valencia, gl and eu stay as they are.</extracomment>
        <translation>tabelora: ikasgelaren konfigurazioko «%1» hizkuntza ez da es, ca, ca-valencia, gl edo eu; ez da kontuan hartzen.
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
        <translation>Erabilera: %1 [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]
               [--informes KARPETA] [--marcas] [--proyector]
           %1 --resumen KARPETA [--csv FITXATEGIA] [--pdf FITXATEGIA]
           %1 --comprobar

Tabelora, taula periodikoa ikasteko ariketa.

Aukerak:
  --idioma HIZKUNTZA  programaren hizkuntza: es (gaztelania), ca (katalana),
                      ca-valencia (valentziera), gl (galiziera) edo eu
                      (euskara). Aukera hau gabe, ikasgelaren konfigurazioko
                      hizkuntza erabiltzen da edo, halakorik ez badago,
                      sistemarena: katalana ca_* denean, valentziera
                      ca_*@valencia denean, galiziera gl_* denean, euskara
                      eu_* denean eta gaztelania beste edozein kasutan.
  --tabla clasica     ariketaren taula, 114 elementukoa (betikoa).
  --tabla actual      gaurko taula, 118 elementukoa, egungo izen eta
                      ikurrekin. Aukera hau gabe, ikasgelaren konfigurazioko
                      taula (tabla=clasica edo tabla=actual) erabiltzen da
                      edo, halakorik ez badago, klasikoa.
  --informes KARPETA  saio honetako emaitzen karpeta: «Bidali» sakatzen den
                      bakoitzean, erregistro bat gordetzen da bertan. Aukera
                      hau gabe, ikasgelaren konfigurazioko karpeta erabiltzen
                      da.
  --marcas            zuzentzean, fitxa bakoitza ikur batez markatzen du,
                      koloreaz gain: ✓ ondo jarria, ✗ gaizki jarria; legendak
                      ere trama bat erakusten du egoera bakoitzeko.
                      Ikasgelaren konfigurazioan marcas=true ezarrita ere
                      aktibatzen da.
  --proyector         leihoak pantailak uzten duen neurrian handitzen ditu,
                      arbel digital edo proiektore baterako.
  --resumen KARPETA   klasearen laburpena irekitzen du, karpetako eta
                      azpikarpetetako erregistroekin, ariketaren ordez.
  --csv FITXATEGIA    --resumen aukerarekin: ikasleen taula CSV fitxategi
                      batean idazten du eta amaitu egiten da, leihorik ireki
                      gabe.
  --pdf FITXATEGIA    --resumen aukerarekin: laburpena PDF fitxategi batean
                      idazten du eta amaitu egiten da, leihorik ireki gabe.
  --comprobar         ordenagailu honetako gelaren konfigurazioa eta emaitzen
                      karpeta egiaztatzen ditu, leihorik ireki gabe.
  -h, --help          laguntza hau erakusten du.
      --version       programaren bertsioa erakusten du.
</translation>
    </message>
</context>
<context>
    <name>elements</name>
    <message>
        <source>Hidrógeno</source>
        <translation>Hidrogeno</translation>
    </message>
    <message>
        <source>Helio</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Litio</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Berilio</source>
        <translation>Berilio</translation>
    </message>
    <message>
        <source>Boro</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbono</source>
        <translation>Karbono</translation>
    </message>
    <message>
        <source>Nitrógeno</source>
        <translation>Nitrogeno</translation>
    </message>
    <message>
        <source>Oxígeno</source>
        <translation>Oxigeno</translation>
    </message>
    <message>
        <source>Flúor</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neón</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicio</source>
        <translation>Silizio</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Azufre</source>
        <translation>Sufre</translation>
    </message>
    <message>
        <source>Cloro</source>
        <translation>Kloro</translation>
    </message>
    <message>
        <source>Argón</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potasio</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Kaltzio</translation>
    </message>
    <message>
        <source>Escandio</source>
        <translation>Eskandio</translation>
    </message>
    <message>
        <source>Titanio</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadio</source>
        <translation>Banadio</translation>
    </message>
    <message>
        <source>Cromo</source>
        <translation>Kromo</translation>
    </message>
    <message>
        <source>Manganeso</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Burdina</translation>
    </message>
    <message>
        <source>Cobalto</source>
        <translation>Kobalto</translation>
    </message>
    <message>
        <source>Níquel</source>
        <translation>Nikel</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Kobre</translation>
    </message>
    <message>
        <source>Cinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Galio</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanio</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsénico</source>
        <translation>Artseniko</translation>
    </message>
    <message>
        <source>Selenio</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromo</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Kriptón</source>
        <translation>Kripton</translation>
    </message>
    <message>
        <source>Rubidio</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Estroncio</source>
        <translation>Estrontzio</translation>
    </message>
    <message>
        <source>Itrio</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Circonio</source>
        <translation>Zirkonio</translation>
    </message>
    <message>
        <source>Niobio</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molibdeno</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Tecnecio</source>
        <translation>Teknezio</translation>
    </message>
    <message>
        <source>Rutenio</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rodio</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Paladio</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Plata</source>
        <translation>Zilar</translation>
    </message>
    <message>
        <source>Cadmio</source>
        <translation>Kadmio</translation>
    </message>
    <message>
        <source>Indio</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Estaño</source>
        <translation>Eztainu</translation>
    </message>
    <message>
        <source>Antimonio</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Teluro</source>
        <translation>Teluro</translation>
    </message>
    <message>
        <source>Yodo</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Xenón</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesio</source>
        <translation>Zesio</translation>
    </message>
    <message>
        <source>Bario</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lantano</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerio</source>
        <translation>Zerio</translation>
    </message>
    <message>
        <source>Praseodimio</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodimio</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Prometio</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samario</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europio</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinio</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbio</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Disprosio</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmio</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbio</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Tulio</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Iterbio</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutecio</source>
        <translation>Lutezio</translation>
    </message>
    <message>
        <source>Hafnio</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tántalo</source>
        <translation>Tantalo</translation>
    </message>
    <message>
        <source>Wolframio</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Renio</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmio</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridio</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platino</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Oro</source>
        <translation>Urre</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Merkurio</translation>
    </message>
    <message>
        <source>Talio</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Berun</translation>
    </message>
    <message>
        <source>Bismuto</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonio</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astato</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radón</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francio</source>
        <translation>Frantzio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinio</source>
        <translation>Aktinio</translation>
    </message>
    <message>
        <source>Torio</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinio</source>
        <translation>Protaktinio</translation>
    </message>
    <message>
        <source>Uranio</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunio</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonio</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americio</source>
        <translation>Amerizio</translation>
    </message>
    <message>
        <source>Curio</source>
        <translation>Kurio</translation>
    </message>
    <message>
        <source>Berkelio</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californio</source>
        <translation>Kalifornio</translation>
    </message>
    <message>
        <source>Einstenio</source>
        <translation>Einsteinio</translation>
    </message>
    <message>
        <source>Fermio</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevio</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelio</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Laurencio</source>
        <translation>Lawrentzio</translation>
    </message>
    <message>
        <source>Rutherfordio</source>
        <translation>Rutherfordio</translation>
    </message>
    <message>
        <source>Dubnio</source>
        <translation>Dubnio</translation>
    </message>
    <message>
        <source>Seaborgio</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Bohrio</source>
        <translation>Bohrio</translation>
    </message>
    <message>
        <source>Hassio</source>
        <translation>Hassio</translation>
    </message>
    <message>
        <source>Meitnerio</source>
        <translation>Meitnerio</translation>
    </message>
    <message>
        <source>Ununnilio</source>
        <translation>Ununnilio</translation>
    </message>
    <message>
        <source>Unununio</source>
        <translation>Unununio</translation>
    </message>
    <message>
        <source>Ununbio</source>
        <translation>Ununbio</translation>
    </message>
    <message>
        <source>Ununtrio</source>
        <translation>Ununtrio</translation>
    </message>
    <message>
        <source>Ununcuadio</source>
        <translation>Ununkuadio</translation>
    </message>
    <message>
        <source>Lawrencio</source>
        <translation>Lawrentzio</translation>
    </message>
    <message>
        <source>Hasio</source>
        <translation>Hassio</translation>
    </message>
    <message>
        <source>Darmstatio</source>
        <translation>Darmstadtio</translation>
    </message>
    <message>
        <source>Roentgenio</source>
        <translation>Roentgenio</translation>
    </message>
    <message>
        <source>Copernicio</source>
        <translation>Kopernizio</translation>
    </message>
    <message>
        <source>Nihonio</source>
        <translation>Nihonio</translation>
    </message>
    <message>
        <source>Flerovio</source>
        <translation>Flerovio</translation>
    </message>
    <message>
        <source>Moscovio</source>
        <translation>Moskovio</translation>
    </message>
    <message>
        <source>Livermorio</source>
        <translation>Livermorio</translation>
    </message>
    <message>
        <source>Teneso</source>
        <translation>Teneso</translation>
    </message>
    <message>
        <source>Oganesón</source>
        <translation>Oganeson</translation>
    </message>
</context>
<context>
    <name>errorbox</name>
    <message>
        <source>Error desconocido</source>
        <translation>Errore ezezaguna</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it can&apos;t be made. The Spanish program shows these English words.</extracomment>
        <translation>Ezin da &quot;%1&quot; fitxategia sortu. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a file can&apos;t be made: something other than a file has its name (a folder, a device).</extracomment>
        <translation>Ez da fitxategi arrunta</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Total aciertos:</source>
        <translation>Asmatutakoak:</translation>
    </message>
    <message>
        <source>Intentos:</source>
        <translation>Saiakerak:</translation>
    </message>
    <message>
        <source>Lantánidos</source>
        <translation>Lantanidoak</translation>
    </message>
    <message>
        <source>Actínidos</source>
        <translation>Aktinidoak</translation>
    </message>
    <message>
        <source>Si no has hecho TRAMPA ... ERES UN  </source>
        <extracomment>The genie&apos;s picture follows as the sentence&apos;s last word (&quot;genio&quot;: genie and genius).</extracomment>
        <translation>TRANPARIK egin ezean ... JEINU BAT ZARA  </translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;Berria</translation>
    </message>
    <message>
        <source>&amp;Corregir vistas</source>
        <translation>&amp;Zuzendu fitxak</translation>
    </message>
    <message>
        <source>&amp;Datos</source>
        <translation>&amp;Datuak</translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation>Bidali</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Laguntza</translation>
    </message>
    <message>
        <source>Elementos</source>
        <translation>Elementuak</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>Leyenda: sólido, amarillo; líquido, cian</source>
        <translation>Legenda: solidoa, horia; likidoa, ziana</translation>
    </message>
    <message>
        <source>Leyenda: gas, azul claro; sintético, salmón</source>
        <translation>Legenda: gasa, urdin argia; sintetikoa, izokin-kolorea</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 %</source>
        <extracomment>The share of memory in use; a language that writes the sign first moves it.</extracomment>
        <translation>%%1</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>La carpeta «%1» no existe.</source>
        <extracomment>The results folder is never made by the program: it is the teacher&apos;s.</extracomment>
        <translation>«%1» karpeta ez dago.</translation>
    </message>
    <message>
        <source>no se puede leer: %1</source>
        <translation>ezin da irakurri: %1</translation>
    </message>
    <message>
        <source>no está en UTF-8: se ha leído como Windows-1252</source>
        <translation>ez dago UTF-8 kodeketan: Windows-1252 gisa irakurri da</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]</source>
        <translation>goiburu ezezaguna: [%1]</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]; ¿quería decir [%2]?</source>
        <translation>goiburu ezezaguna: [%1]; [%2] esan nahi zenuen?</translation>
    </message>
    <message>
        <source>no es ni «[encabezado]» ni «clave = valor»: %1</source>
        <translation>ez da «[goiburua]» ez «gakoa = balioa»: %1</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]</source>
        <translation>gako ezezaguna [%2] atalean: «%1»</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]; ¿quería decir «%3»?</source>
        <translation>gako ezezaguna [%2] atalean: «%1»; «%3» esan nahi zenuen?</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta: %1</source>
        <translation>Ezin da karpeta irakurri: %1</translation>
    </message>
    <message>
        <source>Es una carpeta oculta; no se lee</source>
        <translation>Karpeta ezkutua da; ez da irakurtzen</translation>
    </message>
    <message>
        <source>Es un enlace a una carpeta; no se sigue</source>
        <translation>Karpeta baterako esteka da; ez da jarraitzen</translation>
    </message>
    <message>
        <source>Es un fichero oculto; no se lee</source>
        <translation>Fitxategi ezkutua da; ez da irakurtzen</translation>
    </message>
    <message>
        <source>No se puede abrir la carpeta</source>
        <translation>Ezin da karpeta ireki</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>Ez da fitxategi arrunta</translation>
    </message>
    <message>
        <source>Ocupa más de los %1 bytes que puede ocupar un registro; no se lee</source>
        <extracomment>%1 is the number of bytes a record can take at most.</extracomment>
        <translation>Erregistro batek har ditzakeen %1 byteak baino gehiago hartzen ditu; ez da irakurtzen</translation>
    </message>
    <message>
        <source>Es un enlace a algo que no existe</source>
        <translation>Existitzen ez den zerbaitera doan esteka da</translation>
    </message>
    <message>
        <source>Es un enlace que, de enlace en enlace, vuelve a sí mismo</source>
        <translation>Estekaz esteka, bere buruarengana itzultzen den esteka da</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <translation>«%1» falta da</translation>
    </message>
    <message>
        <source>«%1» no es un texto</source>
        <translation>«%1» ez da testu bat</translation>
    </message>
    <message>
        <source>«%1» no es un número entero</source>
        <translation>«%1» ez da zenbaki oso bat</translation>
    </message>
    <message>
        <source>«%1» es %2, menos de %3</source>
        <translation>«%1» %2 da, %3 baino gutxiago</translation>
    </message>
    <message>
        <source>«%1» es %2, fuera de %3..%4</source>
        <translation>«%1» %2 da, %3..%4 tartetik kanpo</translation>
    </message>
    <message>
        <source>«%1» no es una hora con su diferencia con UTC: «%2»</source>
        <translation>«%1» ez da UTC-rekiko aldea duen ordu bat: «%2»</translation>
    </message>
    <message>
        <source>«%1» no es una lista</source>
        <translation>«%1» ez da zerrenda bat</translation>
    </message>
    <message>
        <source>«%1» no es un objeto</source>
        <translation>«%1» ez da objektu bat</translation>
    </message>
    <message>
        <source>corrección %1: </source>
        <translation>%1. zuzenketa: </translation>
    </message>
    <message>
        <source>no es un objeto</source>
        <translation>ez da objektu bat</translation>
    </message>
    <message>
        <source>%1 posiciones para %2 casillas</source>
        <translation>%1 posizio %2 gelaxkarentzat</translation>
    </message>
    <message>
        <source>la posición %1 no es una casilla 0..%2</source>
        <translation>%1. posizioa ez da 0..%2 arteko gelaxka bat</translation>
    </message>
    <message>
        <source>no es JSON: %1 en el byte %2</source>
        <translation>ez da JSON: %1, %2. bytean</translation>
    </message>
    <message>
        <source>no es un objeto JSON</source>
        <translation>ez da JSON objektu bat</translation>
    </message>
    <message>
        <source>no es un registro de Tabelora: falta «formato»</source>
        <translation>ez da Tabeloraren erregistro bat: «formato» falta da</translation>
    </message>
    <message>
        <source>otro formato: «%1»</source>
        <translation>beste formatu bat: «%1»</translation>
    </message>
    <message>
        <source>versión %1, posterior a la que lee este programa (%2)</source>
        <translation>%1 bertsioa, programa honek irakurtzen duena baino berriagoa (%2)</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta «%1»: %2</source>
        <translation>Ezin da «%1» karpetan idatzi: %2</translation>
    </message>
    <message>
        <source>No se puede guardar el registro «%1»: %2</source>
        <translation>Ezin da «%1» erregistroa gorde: %2</translation>
    </message>
</context>
<context>
    <name>sending</name>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2 Se ha guardado una copia en este equipo, que se enviará de nuevo.</source>
        <extracomment>A send the results folder did not receive: the folder, the system&apos;s reason.</extracomment>
        <translation>Emaitzak ez dira «%1» karpetara iritsi. %2 Kopia bat gorde da ordenagailu honetan, eta berriro bidaliko da.</translation>
    </message>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2</source>
        <translation>Emaitzak ez dira «%1» karpetara iritsi. %2</translation>
    </message>
</context>
<context>
    <name>setupcheck</name>
    <message>
        <source>solo su propietario puede dejar registros: los alumnos de otras cuentas no podrán enviar.</source>
        <translation>jabeak bakarrik utz ditzake erregistroak: beste kontuetako ikasleek ezin izango dute bidali.</translation>
    </message>
    <message>
        <source>los alumnos pueden dejar registros, pero no borrar ni cambiar los de otros</source>
        <translation>ikasleek erregistroak utz ditzakete, baina ezin dituzte besteenak ezabatu edo aldatu</translation>
    </message>
    <message>
        <source>los alumnos pueden borrar o cambiar los registros de otros (falta el bit «t»: chmod 1733)</source>
        <translation>ikasleek besteen erregistroak ezaba edo alda ditzakete («t» bita falta da: chmod 1733)</translation>
    </message>
    <message>
        <source>, y leerlos.</source>
        <translation>, eta irakur ditzakete.</translation>
    </message>
    <message>
        <source>, ni leerlos.</source>
        <translation>, ezta irakurri ere.</translation>
    </message>
    <message>
        <source>Configuración del aula:</source>
        <translation>Gelaren konfigurazioa:</translation>
    </message>
    <message>
        <source>  leído:      %1</source>
        <translation>  irakurria:   %1</translation>
    </message>
    <message>
        <source>  sin leer:   %1</source>
        <translation>  irakurri gabe: %1</translation>
    </message>
    <message>
        <source>  no existe:  %1</source>
        <translation>  ez dago:     %1</translation>
    </message>
    <message>
        <source>Problemas:</source>
        <translation>Arazoak:</translation>
    </message>
    <message>
        <source>Valores en vigor:</source>
        <translation>Indarrean dauden balioak:</translation>
    </message>
    <message>
        <source>  (la carpeta la da --informes)</source>
        <translation>  (karpeta --informes aukerak ematen du)</translation>
    </message>
    <message>
        <source>Sin carpeta de resultados: cada registro se guarda solo en el equipo del alumno.</source>
        <translation>Emaitzen karpetarik ez: erregistro bakoitza ikaslearen ordenagailuan bakarrik gordetzen da.</translation>
    </message>
    <message>
        <source>Carpeta de resultados: %1</source>
        <translation>Emaitzen karpeta: %1</translation>
    </message>
    <message>
        <source>  no es una carpeta.</source>
        <translation>  ez da karpeta bat.</translation>
    </message>
    <message>
        <source>  no existe: el programa no la crea; hágala el profesor, o monte la carpeta compartida.</source>
        <translation>  ez dago: programak ez du sortzen; irakasleak sortu behar du, edo karpeta partekatua muntatu.</translation>
    </message>
    <message>
        <source>  propietario %1, permisos %2</source>
        <translation>  jabea %1, baimenak %2</translation>
    </message>
    <message>
        <source>  esta cuenta puede dejar registros en ella (se ha escrito y borrado un fichero de prueba).</source>
        <translation>  kontu honek erregistroak utz ditzake bertan (proba-fitxategi bat idatzi eta ezabatu da).</translation>
    </message>
    <message>
        <source>  esta cuenta no puede dejar registros en ella: %1</source>
        <translation>  kontu honek ezin du erregistrorik utzi bertan: %1</translation>
    </message>
    <message>
        <source>Todo en orden.</source>
        <translation>Dena ondo.</translation>
    </message>
    <message>
        <source>Hay problemas en la configuración.</source>
        <translation>Konfigurazioan arazoak daude.</translation>
    </message>
</context>
<context>
    <name>summaryexport</name>
    <message>
        <source>Alumno</source>
        <translation>Ikaslea</translation>
    </message>
    <message>
        <source>El nombre que escribió el alumno</source>
        <translation>Ikasleak idatzitako izena</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Taldea</translation>
    </message>
    <message>
        <source>El grupo que escribió el alumno</source>
        <translation>Ikasleak idatzitako taldea</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Ekipoa</translation>
    </message>
    <message>
        <source>El ordenador desde el que se envió</source>
        <translation>Bidaltzeko erabilitako ordenagailua</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Cuándo se envió, en la hora del ordenador del alumno</source>
        <translation>Noiz bidali zen, ikaslearen ordenagailuko orduan</translation>
    </message>
    <message>
        <source>Correcciones</source>
        <translation>Zuzenketak</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero antes de enviar</source>
        <translation>Bidali aurretik taula zenbat aldiz zuzendu zuen</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Asmatuak</translation>
    </message>
    <message>
        <source>Aciertos de la última corrección</source>
        <translation>Azken zuzenketako asmatutakoak</translation>
    </message>
    <message>
        <source>Mejor</source>
        <translation>Onena</translation>
    </message>
    <message>
        <source>Aciertos de la mejor corrección</source>
        <translation>Zuzenketa onenaren asmatutakoak</translation>
    </message>
    <message>
        <source>Porcentaje</source>
        <translation>Ehunekoa</translation>
    </message>
    <message>
        <source>No se puede escribir «%1»: %2.</source>
        <translation>Ezin da «%1» idatzi: %2.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>La carpeta «%1» no existe.</source>
        <translation>«%1» karpeta ez da existitzen.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta.</source>
        <translation>«%1» ez da karpeta bat.</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta «%1».</source>
        <translation>Ezin da «%1» karpeta irakurri.</translation>
    </message>
    <message>
        <source>1 registro no se ha podido leer</source>
        <translation>Ezin izan da erregistro 1 irakurri</translation>
    </message>
    <message>
        <source>%1 registros no se han podido leer</source>
        <translation>Ezin izan dira %1 erregistro irakurri</translation>
    </message>
    <message>
        <source>Resumen de la clase</source>
        <translation>Klasearen laburpena</translation>
    </message>
    <message>
        <source>Carpeta: %1</source>
        <translation>Karpeta: %1</translation>
    </message>
    <message>
        <source>Fecha: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Registros: %1</source>
        <translation>Erregistroak: %1</translation>
    </message>
    <message>
        <source>Los más fallados: %1</source>
        <translation>Huts gehien dituztenak: %1</translation>
    </message>
    <message>
        <source>Los aciertos sobre las casillas de las correcciones de este envío</source>
        <translation>Bidalketa honetako zuzenketen asmatuak, gelaxken gainean</translation>
    </message>
    <message>
        <source>Envíos</source>
        <translation>Bidalketak</translation>
    </message>
    <message>
        <source>Las veces que el alumno pulsó «Enviar»</source>
        <translation>Ikasleak «Bidali» sakatu duen aldiak</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero, en todos sus envíos</source>
        <translation>Taula zuzendu duen aldiak, bidalketa guztietan</translation>
    </message>
    <message>
        <source>Primera</source>
        <translation>Lehena</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su primera corrección</source>
        <translation>Lehen zuzenketako asmatuen ehunekoa</translation>
    </message>
    <message>
        <source>Última</source>
        <translation>Azkena</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su última corrección</source>
        <translation>Azken zuzenketako asmatuen ehunekoa</translation>
    </message>
    <message>
        <source>Mejor %</source>
        <translation>Onena %</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su mejor corrección</source>
        <translation>Zuzenketa onenaren asmatuen ehunekoa</translation>
    </message>
    <message>
        <source>(sin nombre: %1, %2)</source>
        <extracomment>A record sent with no pupil&apos;s name: the machine and the time instead.</extracomment>
        <translation>(izenik gabe: %1, %2)</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>Ez da fitxategi arrunta</translation>
    </message>
    <message>
        <source>--csv y --pdf no pueden escribir el mismo fichero: «%1».</source>
        <extracomment>--csv and --pdf stay as they are.</extracomment>
        <translation>--csv eta --pdf aukerek ezin dute fitxategi bera idatzi: «%1».</translation>
    </message>
</context>
<context>
    <name>system</name>
    <message>
        <source>Permission denied</source>
        <translation>Baimena ukatuta</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Ez dago horrelako fitxategi edo karpetarik</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ez da karpeta bat</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Karpeta bat da</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Ez dago lekurik gailuan</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Irakurtzeko soilik den fitxategi-sistema</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Diskoko kuota gainditu da</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Fitxategia badago lehendik</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Esteka sinbolikoen maila gehiegi</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Fitxategi-izena luzeegia da</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Sarrera/irteera errorea</translation>
    </message>
</context>
</TS>
