<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>ClassTable</name>
    <message>
        <source>Alumnos que lo pusieron en su casilla en su última corrección</source>
        <translation>Alumnos que o puxeron no seu sitio na súa última corrección</translation>
    </message>
    <message>
        <source>Sin datos</source>
        <translation>Sen datos</translation>
    </message>
    <message>
        <source>Tabla periódica de la clase</source>
        <translation>Táboa periódica da clase</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Sin datos: ninguna corrección lo incluye.</source>
        <translation>Sen datos: ningunha corrección o inclúe.</translation>
    </message>
    <message>
        <source>En su casilla: %1 de %2 (%3)</source>
        <translation>No seu sitio: %1 de %2 (%3)</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: 1 alumno</source>
        <translation>%1 fóra do taboleiro: 1 alumno</translation>
    </message>
    <message>
        <source>%1 fuera del tablero: %2 alumnos</source>
        <translation>%1 fóra do taboleiro: %2 alumnos</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: 1 alumno</source>
        <translation>%1 na casa de %2: 1 alumno</translation>
    </message>
    <message>
        <source>%1 en la casilla de %2: %3 alumnos</source>
        <translation>%1 na casa de %2: %3 alumnos</translation>
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
        <translation type="unfinished"></translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
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
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar a localización da &amp;ligazón</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Escoller todo</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Resumen de la clase: %1</source>
        <translation>Resumo da clase: %1</translation>
    </message>
    <message>
        <source>Registros de los alumnos</source>
        <translation>Rexistros dos alumnos</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Todos los grupos</source>
        <translation>Todos os grupos</translation>
    </message>
    <message>
        <source>(sin grupo)</source>
        <translation>(sen grupo)</translation>
    </message>
    <message>
        <source>Desde</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>Ata</translation>
    </message>
    <message>
        <source>&amp;Grupo:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;Desde:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;Hasta:</source>
        <translation>&amp;Ata:</translation>
    </message>
    <message>
        <source>Ver cuáles…</source>
        <translation>Ver cales…</translation>
    </message>
    <message>
        <source>Los ficheros que no se han podido leer, y por qué:</source>
        <translation>Os ficheiros que non se puideron ler, e por que:</translation>
    </message>
    <message>
        <source>Dónde se puso el elemento</source>
        <translation>Onde se puxo o elemento</translation>
    </message>
    <message>
        <source>Los elementos más fallados</source>
        <translation>Os elementos máis fallados</translation>
    </message>
    <message>
        <source>Dónde se puso</source>
        <translation>Onde se puxo</translation>
    </message>
    <message>
        <source>Los más &amp;fallados</source>
        <translation>Os máis &amp;fallados</translation>
    </message>
    <message>
        <source>Exportar &amp;CSV…</source>
        <translation>Exportar &amp;CSV…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>Exportar &amp;PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Ninguno</source>
        <translation>Ningún</translation>
    </message>
    <message>
        <source>Señala una casilla de la tabla, o elígela con las flechas, para ver dónde se puso ese elemento.</source>
        <translation>Sinala unha casa da táboa, ou escóllea coas frechas, para ver onde se puxo ese elemento.</translation>
    </message>
    <message>
        <source>grupo %1</source>
        <translation>grupo %1</translation>
    </message>
    <message>
        <source>del %1 al %2</source>
        <translation>do %1 ao %2</translation>
    </message>
    <message>
        <source>Filtro: %1</source>
        <translation>Filtro: %1</translation>
    </message>
    <message>
        <source>resumen</source>
        <translation>resumo</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <translation>Follas de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Una por alumno</source>
        <translation>Unha por alumno</translation>
    </message>
    <message>
        <source>Una por envío</source>
        <translation>Unha por envío</translation>
    </message>
    <message>
        <source>%1 alumnos; %2 de %3 registros</source>
        <translation>%1 alumnos; %2 de %3 rexistros</translation>
    </message>
    <message>
        <source>F&amp;ilas:</source>
        <translation>F&amp;ilas:</translation>
    </message>
    <message>
        <source>%1 registros repetidos (el mismo fichero en dos sitios) se cuentan una vez.</source>
        <extracomment>Records found twice in the folder (the same file copied into two places).</extracomment>
        <translation>%1 rexistros repetidos (o mesmo ficheiro en dous sitios) cóntanse unha vez.</translation>
    </message>
    <message>
        <source>clase</source>
        <translation>clase</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Información</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Física y Química</source>
        <translation>Física e Química</translation>
    </message>
    <message>
        <source>Memoria física disponible:</source>
        <translation>Memoria física dispoñible:</translation>
    </message>
    <message>
        <source>Memoria usada:</source>
        <translation>Memoria usada:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Prácticas do Tabelora</translation>
    </message>
    <message>
        <source>es.wikipedia.org: Tabla periódica</source>
        <translation>gl.wikipedia.org: Táboa periódica</translation>
    </message>
    <message>
        <source>https://es.wikipedia.org/wiki/Tabla_peri%C3%B3dica_de_los_elementos</source>
        <extracomment>The address of the periodic table&apos;s page in the language&apos;s own Wikipedia.</extracomment>
        <translation>https://gl.wikipedia.org/wiki/T%C3%A1boa_peri%C3%B3dica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Funcionamiento del programa</source>
        <translation>Funcionamento do programa</translation>
    </message>
    <message>
        <source>Funcionamiento del programa:</source>
        <translation>Funcionamento do programa:</translation>
    </message>
    <message>
        <source>Arrastra cada elemento a su posición en la tabla.</source>
        <translation>Arrastra cada elemento ao seu lugar na táboa.</translation>
    </message>
    <message>
        <source>Pulsa sobre el botón Corregir para comprobar los aciertos. El contador indica el </source>
        <extracomment>The sentence runs on into the next line; the button is &quot;&amp;Corregir vistas&quot;.</extracomment>
        <translation>Preme o botón Corrixir para comprobar os acertos. O contador indica o </translation>
    </message>
    <message>
        <source>número total de elementos colocados correctamente y el porcentaje de aciertos.</source>
        <translation>número total de elementos colocados correctamente e a porcentaxe de acertos.</translation>
    </message>
    <message>
        <source>Para enviar los resultados por correo electrónico asegúrate de escribir tus datos,</source>
        <translation>Para enviar os resultados por correo electrónico, asegúrate de escribir os teus datos,</translation>
    </message>
    <message>
        <source>pulsa sobre el botón y escribe la dirección de e-mail.</source>
        <translation>preme o botón e escribe o enderezo de correo electrónico.</translation>
    </message>
    <message>
        <source>Lo siento, no se encontró tu navegador</source>
        <translation>Síntoo, non se atopou o teu navegador</translation>
    </message>
    <message>
        <source>Enlace: Intro lo abre en el navegador.</source>
        <translation>Ligazón: Intro ábrea no navegador.</translation>
    </message>
</context>
<context>
    <name>TDatosBox</name>
    <message>
        <source>Datos del alumno</source>
        <translation>Datos do alumno</translation>
    </message>
    <message>
        <source>Introduce tus datos personales antes de enviar los resultados:</source>
        <translation>Introduce os teus datos persoais antes de enviar os resultados:</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Prácticas do Tabelora</translation>
    </message>
    <message>
        <source>Actividades de Física y Química</source>
        <translation>Actividades de Física e Química</translation>
    </message>
    <message>
        <source>Nombre y apellidos:</source>
        <translation>Nome e apelidos:</translation>
    </message>
    <message>
        <source>Curso y grupo:</source>
        <translation>Curso e grupo:</translation>
    </message>
    <message>
        <source>Nombre y apellidos</source>
        <translation>Nome e apelidos</translation>
    </message>
    <message>
        <source>Curso y grupo</source>
        <translation>Curso e grupo</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
</context>
<context>
    <name>TElementos</name>
    <message>
        <source>Elementos</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Nombres y símbolos de los elementos</source>
        <translation>Nomes e símbolos dos elementos</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Porcentaje de aciertos</source>
        <translation>Porcentaxe de acertos</translation>
    </message>
    <message>
        <source>Total aciertos</source>
        <translation>Acertos totais</translation>
    </message>
    <message>
        <source>Intentos</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Prácticas del Tabelora</source>
        <translation>Prácticas do Tabelora</translation>
    </message>
    <message>
        <source>Archivos de 12 imágenes (*.BMP)</source>
        <translation>Ficheiros de 12 imaxes (*.BMP)</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, grupo %3</source>
        <translation>Casa %1, período %2, grupo %3</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, lantánidos</source>
        <translation>Casa %1, período %2, lantánidos</translation>
    </message>
    <message>
        <source>Casilla %1, periodo %2, actínidos</source>
        <translation>Casa %1, período %2, actínidos</translation>
    </message>
    <message>
        <source>sólido</source>
        <translation>sólido</translation>
    </message>
    <message>
        <source>líquido</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>sintético</source>
        <translation>sintético</translation>
    </message>
    <message>
        <source>Nuevo tablero: intento %1.</source>
        <translation>Taboleiro novo: intento %1.</translation>
    </message>
    <message>
        <source>Corrección: %1 de %2 bien colocados. Total aciertos %3, %4 %. Intento %5.</source>
        <extracomment>What a screen reader says after a correction: this correction&apos;s hits out of the cells, the running total and its percentage, and the attempt.</extracomment>
        <translation>Corrección: %1 de %2 ben colocados. Acertos totais %3, %4 %. Intento %5.</translation>
    </message>
    <message>
        <source>Si no has hecho trampa, ¡eres un genio!</source>
        <translation>Se non fixeches trampa, es un xenio!</translation>
    </message>
    <message>
        <source>Resultados enviados.</source>
        <translation>Resultados enviados.</translation>
    </message>
    <message>
        <source>No se pudieron enviar todos los resultados.</source>
        <translation>Non se puideron enviar todos os resultados.</translation>
    </message>
    <message>
        <source>%1 en la %2.</source>
        <extracomment>A tile put down on a cell: the tile&apos;s name, then the cell&apos;s.</extracomment>
        <translation>%1 na %2.</translation>
    </message>
    <message>
        <source>%1 en la %2, que ya ocupaba %3.</source>
        <extracomment>A tile put down on a cell that held another: both now stand there.</extracomment>
        <translation>%1 na %2, onde xa estaba %3.</translation>
    </message>
    <message>
        <source> y </source>
        <translation> e </translation>
    </message>
    <message>
        <source>bien</source>
        <translation>ben</translation>
    </message>
    <message>
        <source>mal colocado</source>
        <translation>mal colocado</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>After a correction: the cell, the tile now on it, and the verdict on the pupil&apos;s.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1, ocupada por %2</source>
        <translation>%1, ocupada por %2</translation>
    </message>
    <message>
        <source>Yendo a la %1</source>
        <translation>Indo á %1</translation>
    </message>
    <message>
        <source>Volviendo a la bandeja</source>
        <translation>Volvendo á bandexa</translation>
    </message>
    <message>
        <source>En la %1</source>
        <translation>Na %1</translation>
    </message>
    <message>
        <source>En la %1: %2</source>
        <translation>Na %1: %2</translation>
    </message>
    <message>
        <source>En la bandeja</source>
        <translation>Na bandexa</translation>
    </message>
    <message>
        <source>Aún no has corregido.</source>
        <translation>Aínda non corrixiches.</translation>
    </message>
    <message>
        <source>Mal colocadas, %1: %2.</source>
        <translation>Mal colocadas, %1: %2.</translation>
    </message>
    <message>
        <source>Tabla periódica</source>
        <extracomment>What a screen reader calls the board: the blank table the tiles are put on.</extracomment>
        <translation>Táboa periódica</translation>
    </message>
    <message>
        <source>No hay más casillas a la derecha.</source>
        <translation>Non hai máis casas á dereita.</translation>
    </message>
    <message>
        <source>No hay más fichas a la derecha.</source>
        <translation>Non hai máis fichas á dereita.</translation>
    </message>
    <message>
        <source>No hay más casillas a la izquierda.</source>
        <translation>Non hai máis casas á esquerda.</translation>
    </message>
    <message>
        <source>No hay más fichas a la izquierda.</source>
        <translation>Non hai máis fichas á esquerda.</translation>
    </message>
    <message>
        <source>No hay más casillas arriba.</source>
        <translation>Non hai máis casas arriba.</translation>
    </message>
    <message>
        <source>No hay más fichas arriba.</source>
        <translation>Non hai máis fichas arriba.</translation>
    </message>
    <message>
        <source>No hay más casillas abajo.</source>
        <translation>Non hai máis casas abaixo.</translation>
    </message>
    <message>
        <source>No hay más fichas abajo.</source>
        <translation>Non hai máis fichas abaixo.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones. En el tablero, las flechas o la inicial del símbolo eligen una ficha; Intro la coge, las flechas, el número o Inicio y Fin eligen la casilla e Intro la deja; Escape la devuelve. Tras corregir, F7 dice las fichas mal colocadas y F8 repite el resultado.</source>
        <extracomment>What a screen reader says of the window the first time: how to play by keys.</extracomment>
        <translation>F6 leva ao taboleiro e volve aos botóns. No taboleiro, as frechas ou a inicial do símbolo escollen unha ficha; Intro cóllea, as frechas, o número ou Inicio e Fin escollen a casa e Intro déixaa; Escape devólvea. Despois de corrixir, F7 di as fichas mal colocadas e F8 repite o resultado.</translation>
    </message>
    <message>
        <source>%1, cogida.</source>
        <extracomment>A tile picked up by the keys: &quot;Md, Mendelevio, sintético, cogida&quot;.</extracomment>
        <translation>%1, collida.</translation>
    </message>
    <message>
        <source>No hay ninguna casilla %1.</source>
        <translation>Non hai ningunha casa %1.</translation>
    </message>
    <message>
        <source>Ningún símbolo empieza por %1.</source>
        <extracomment>A letter typed on the board that begins no element&apos;s symbol.</extracomment>
        <translation>Ningún símbolo comeza por %1.</translation>
    </message>
    <message>
        <source>no colocada</source>
        <translation>non colocada</translation>
    </message>
    <message>
        <source>%1. Llevas %2</source>
        <extracomment>The target cell while a tile is picked up by the keys: the cell, then the tile carried.</extracomment>
        <translation>%1. Levas %2</translation>
    </message>
    <message>
        <source>%1, en la casilla %2</source>
        <extracomment>A tile on a wrong cell: &quot;Na, Sodio, en la casilla 12&quot;.</extracomment>
        <translation>%1, na casa %2</translation>
    </message>
    <message>
        <source>Ninguna ficha mal colocada.</source>
        <translation>Ningunha ficha mal colocada.</translation>
    </message>
    <message>
        <source>Una casilla vacía.</source>
        <translation>Unha casa baleira.</translation>
    </message>
    <message>
        <source>%1 casillas vacías.</source>
        <translation>%1 casas baleiras.</translation>
    </message>
    <message>
        <source>F6 lleva al tablero y vuelve a los botones.</source>
        <extracomment>What a screen reader says of the window after the first time.</extracomment>
        <translation>F6 leva ao taboleiro e volve aos botóns.</translation>
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
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Periodo %1</source>
        <translation>Período %1</translation>
    </message>
    <message>
        <source>Lantánidos</source>
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actínidos</source>
        <translation>Actínidos</translation>
    </message>
    <message>
        <source>Número atómico</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Símbolo</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opción descoñecida: %1</translation>
    </message>
    <message>
        <source>Argumento desconocido: %1</source>
        <translation>Argumento descoñecido: %1</translation>
    </message>
    <message>
        <source>La opción %1 no admite ningún valor.</source>
        <translation>A opción %1 non admite ningún valor.</translation>
    </message>
    <message>
        <source>Falta el idioma después de %1.</source>
        <translation>Falta o idioma despois de %1.</translation>
    </message>
    <message>
        <source>Falta la carpeta después de %1.</source>
        <translation>Falta o cartafol despois de %1.</translation>
    </message>
    <message>
        <source>Falta el nombre del fichero después de %1.</source>
        <translation>Falta o nome do ficheiro despois de %1.</translation>
    </message>
    <message>
        <source>Falta el valor después de %1.</source>
        <translation>Falta o valor despois de %1.</translation>
    </message>
    <message>
        <source>La opción %1 solo sirve con --resumen CARPETA.</source>
        <extracomment>--resumen stays as it is; CARPETA is the name of its value, as in the help.</extracomment>
        <translation>A opción %1 só serve con --resumen CARTAFOL.</translation>
    </message>
    <message>
        <source>tabelora: «marcas = %1» de la configuración del aula no es true ni false; no se tiene en cuenta.
</source>
        <extracomment>marcas, true and false stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: «marcas = %1» da configuración da aula non é true nin false; non se ten en conta.
</translation>
    </message>
    <message>
        <source>Falta la tabla después de %1.</source>
        <translation>Falta a táboa despois de %1.</translation>
    </message>
    <message>
        <source>Tabla desconocida: %1. Las tablas son clasica y actual.</source>
        <extracomment>clasica and actual stay as they are: they are what the option takes.</extracomment>
        <translation>Táboa descoñecida: %1. As táboas son clasica e actual.</translation>
    </message>
    <message>
        <source>tabelora: «tabla = %1» de la configuración del aula no es clasica ni actual; no se tiene en cuenta.
</source>
        <extracomment>tabla, clasica and actual stay as they are: they are what the settings file holds.</extracomment>
        <translation>tabelora: «tabla = %1» da configuración da aula non é clasica nin actual; non se ten en conta.
</translation>
    </message>
    <message>
        <source>Idioma desconocido: %1. Los idiomas son es, ca, ca-valencia, gl y eu.</source>
        <translation>Idioma descoñecido: %1. Os idiomas son es, ca, ca-valencia, gl e eu.</translation>
    </message>
    <message>
        <source>tabelora: el idioma «%1» de la configuración del aula no es ninguno de es, ca, ca-valencia, gl y eu; no se tiene en cuenta.
</source>
        <extracomment>The codes es, ca, ca-valencia, gl and eu stay as they are.</extracomment>
        <translation>tabelora: o idioma «%1» da configuración da aula non é ningún destes: es, ca, ca-valencia, gl e eu; non se ten en conta.
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
        <translation>Uso: %1 [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]
         [--informes CARTAFOL] [--marcas] [--proyector]
     %1 --resumen CARTAFOL [--csv FICHEIRO] [--pdf FICHEIRO]
     %1 --comprobar

Tabelora, exercicio para aprender a táboa periódica.

Opcións:
  --idioma IDIOMA      idioma do programa: es (castelán), ca (catalán),
                       ca-valencia (valenciano), gl (galego) ou eu (éuscaro).
                       Sen esta opción úsase o idioma da configuración da aula
                       ou, se non o hai, o do sistema: catalán se é ca_*,
                       valenciano se é ca_*@valencia, galego se é gl_*,
                       éuscaro se é eu_* e castelán en calquera outro caso.
  --tabla clasica      a táboa do exercicio, de 114 elementos (a de sempre).
  --tabla actual       a táboa de hoxe, de 118 elementos, cos nomes e símbolos
                       actuais. Sen esta opción úsase a da configuración da
                       aula (tabla=clasica ou tabla=actual) ou, se non a hai,
                       a clásica.
  --informes CARTAFOL  cartafol de resultados desta sesión: cada vez que se
                       preme «Enviar», gárdase alí un rexistro. Sen esta
                       opción úsase o da configuración da aula.
  --marcas             ao corrixir, marca cada ficha cun signo ademais da cor:
                       ✓ ben colocada, ✗ mal colocada; a lenda mostra tamén
                       unha trama para cada estado. Tamén se activa con
                       marcas=true na configuración da aula.
  --proyector          amplía as xanelas tanto como o permite a pantalla, para
                       un encerado dixital ou un proxector.
  --resumen CARTAFOL   abre o resumo da clase cos rexistros do cartafol e dos
                       seus subcartafoles, no canto do exercicio.
  --csv FICHEIRO       con --resumen: escribe a táboa dos alumnos nun ficheiro
                       CSV e remata, sen abrir ningunha xanela.
  --pdf FICHEIRO       con --resumen: escribe o resumo nun ficheiro PDF e
                       remata, sen abrir ningunha xanela.
  --comprobar         comproba a configuración da aula deste ordenador e o
                      cartafol de resultados, sen abrir ningunha xanela.
  -h, --help           mostra esta axuda.
      --version        mostra a versión do programa.
</translation>
    </message>
</context>
<context>
    <name>elements</name>
    <message>
        <source>Hidrógeno</source>
        <translation>Hidróxeno</translation>
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
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrógeno</source>
        <translation>Nitróxeno</translation>
    </message>
    <message>
        <source>Oxígeno</source>
        <translation>Osíxeno</translation>
    </message>
    <message>
        <source>Flúor</source>
        <translation>Flúor</translation>
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
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Azufre</source>
        <translation>Xofre</translation>
    </message>
    <message>
        <source>Cloro</source>
        <translation>Cloro</translation>
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
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Escandio</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanio</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadio</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Cromo</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganeso</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Cobalto</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Níquel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Cinc</source>
        <translation>Cinc</translation>
    </message>
    <message>
        <source>Galio</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanio</source>
        <translation>Xermanio</translation>
    </message>
    <message>
        <source>Arsénico</source>
        <translation>Arsénico</translation>
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
        <translation>Cripton</translation>
    </message>
    <message>
        <source>Rubidio</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Estroncio</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Itrio</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Circonio</source>
        <translation>Circonio</translation>
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
        <translation>Tecnecio</translation>
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
        <translation>Prata</translation>
    </message>
    <message>
        <source>Cadmio</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indio</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Estaño</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimonio</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Teluro</source>
        <translation>Telurio</translation>
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
        <translation>Cesio</translation>
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
        <translation>Cerio</translation>
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
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnio</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tántalo</source>
        <translation>Tántalo</translation>
    </message>
    <message>
        <source>Wolframio</source>
        <translation>Volframio</translation>
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
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Talio</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Chumbo</translation>
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
        <translation>Ástato</translation>
    </message>
    <message>
        <source>Radón</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francio</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinio</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Torio</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinio</source>
        <translation>Protactinio</translation>
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
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curio</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelio</source>
        <translation>Berquelio</translation>
    </message>
    <message>
        <source>Californio</source>
        <translation>Californio</translation>
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
        <translation>Laurencio</translation>
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
        <translation>Ununcuadio</translation>
    </message>
    <message>
        <source>Lawrencio</source>
        <translation>Laurencio</translation>
    </message>
    <message>
        <source>Hasio</source>
        <translation>Hasio</translation>
    </message>
    <message>
        <source>Darmstatio</source>
        <translation>Darmstadtio</translation>
    </message>
    <message>
        <source>Roentgenio</source>
        <translation>Roentxenio</translation>
    </message>
    <message>
        <source>Copernicio</source>
        <translation>Copernicio</translation>
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
        <translation>Moscovio</translation>
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
        <translation>Oganesón</translation>
    </message>
</context>
<context>
    <name>errorbox</name>
    <message>
        <source>Error desconocido</source>
        <translation>Erro descoñecido</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <extracomment>%1 is the file, %2 why it can&apos;t be made. The Spanish program shows these English words.</extracomment>
        <translation>Non se pode crear o ficheiro &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a file can&apos;t be made: something other than a file has its name (a folder, a device).</extracomment>
        <translation>Non é un ficheiro normal</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Total aciertos:</source>
        <translation>Acertos totais:</translation>
    </message>
    <message>
        <source>Intentos:</source>
        <translation>Intentos:</translation>
    </message>
    <message>
        <source>Lantánidos</source>
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actínidos</source>
        <translation>Actínidos</translation>
    </message>
    <message>
        <source>Si no has hecho TRAMPA ... ERES UN  </source>
        <extracomment>The genie&apos;s picture follows as the sentence&apos;s last word (&quot;genio&quot;: genie and genius).</extracomment>
        <translation>Se non fixeches TRAMPA ... ES UN  </translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Corregir vistas</source>
        <translation>&amp;Corrixir fichas</translation>
    </message>
    <message>
        <source>&amp;Datos</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>Enviar</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>&amp;Ayuda</source>
        <translation>&amp;Axuda</translation>
    </message>
    <message>
        <source>Elementos</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Leyenda: sólido, amarillo; líquido, cian</source>
        <translation>Lenda: sólido, amarelo; líquido, cian</translation>
    </message>
    <message>
        <source>Leyenda: gas, azul claro; sintético, salmón</source>
        <translation>Lenda: gas, azul claro; sintético, salmón</translation>
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
        <translation>O cartafol «%1» non existe.</translation>
    </message>
    <message>
        <source>no se puede leer: %1</source>
        <translation>non se pode ler: %1</translation>
    </message>
    <message>
        <source>no está en UTF-8: se ha leído como Windows-1252</source>
        <translation>non está en UTF-8: leuse como Windows-1252</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]</source>
        <translation>cabeceira descoñecida [%1]</translation>
    </message>
    <message>
        <source>encabezado desconocido [%1]; ¿quería decir [%2]?</source>
        <translation>cabeceira descoñecida [%1]; quería dicir [%2]?</translation>
    </message>
    <message>
        <source>no es ni «[encabezado]» ni «clave = valor»: %1</source>
        <translation>non é nin «[cabeceira]» nin «clave = valor»: %1</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]</source>
        <translation>clave descoñecida «%1» en [%2]</translation>
    </message>
    <message>
        <source>clave desconocida «%1» en [%2]; ¿quería decir «%3»?</source>
        <translation>clave descoñecida «%1» en [%2]; quería dicir «%3»?</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta: %1</source>
        <translation>Non se pode ler o cartafol: %1</translation>
    </message>
    <message>
        <source>Es una carpeta oculta; no se lee</source>
        <translation>É un cartafol oculto; non se le</translation>
    </message>
    <message>
        <source>Es un enlace a una carpeta; no se sigue</source>
        <translation>É unha ligazón a un cartafol; non se segue</translation>
    </message>
    <message>
        <source>Es un fichero oculto; no se lee</source>
        <translation>É un ficheiro oculto; non se le</translation>
    </message>
    <message>
        <source>No se puede abrir la carpeta</source>
        <translation>Non se pode abrir o cartafol</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>Non é un ficheiro normal</translation>
    </message>
    <message>
        <source>Ocupa más de los %1 bytes que puede ocupar un registro; no se lee</source>
        <extracomment>%1 is the number of bytes a record can take at most.</extracomment>
        <translation>Ocupa máis dos %1 bytes que pode ocupar un rexistro; non se le</translation>
    </message>
    <message>
        <source>Es un enlace a algo que no existe</source>
        <translation>É unha ligazón a algo que non existe</translation>
    </message>
    <message>
        <source>Es un enlace que, de enlace en enlace, vuelve a sí mismo</source>
        <translation>É unha ligazón que, de ligazón en ligazón, volve a si mesma</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>«%1» no es un texto</source>
        <translation>«%1» non é un texto</translation>
    </message>
    <message>
        <source>«%1» no es un número entero</source>
        <translation>«%1» non é un número enteiro</translation>
    </message>
    <message>
        <source>«%1» es %2, menos de %3</source>
        <translation>«%1» é %2, menos de %3</translation>
    </message>
    <message>
        <source>«%1» es %2, fuera de %3..%4</source>
        <translation>«%1» é %2, fóra de %3..%4</translation>
    </message>
    <message>
        <source>«%1» no es una hora con su diferencia con UTC: «%2»</source>
        <translation>«%1» non é unha hora coa súa diferenza con UTC: «%2»</translation>
    </message>
    <message>
        <source>«%1» no es una lista</source>
        <translation>«%1» non é unha lista</translation>
    </message>
    <message>
        <source>«%1» no es un objeto</source>
        <translation>«%1» non é un obxecto</translation>
    </message>
    <message>
        <source>corrección %1: </source>
        <translation>corrección %1: </translation>
    </message>
    <message>
        <source>no es un objeto</source>
        <translation>non é un obxecto</translation>
    </message>
    <message>
        <source>%1 posiciones para %2 casillas</source>
        <translation>%1 posicións para %2 casas</translation>
    </message>
    <message>
        <source>la posición %1 no es una casilla 0..%2</source>
        <translation>a posición %1 non é unha casa 0..%2</translation>
    </message>
    <message>
        <source>no es JSON: %1 en el byte %2</source>
        <translation>non é JSON: %1 no byte %2</translation>
    </message>
    <message>
        <source>no es un objeto JSON</source>
        <translation>non é un obxecto JSON</translation>
    </message>
    <message>
        <source>no es un registro de Tabelora: falta «formato»</source>
        <translation>non é un rexistro de Tabelora: falta «formato»</translation>
    </message>
    <message>
        <source>otro formato: «%1»</source>
        <translation>outro formato: «%1»</translation>
    </message>
    <message>
        <source>versión %1, posterior a la que lee este programa (%2)</source>
        <translation>versión %1, posterior á que le este programa (%2)</translation>
    </message>
    <message>
        <source>No se puede escribir en la carpeta «%1»: %2</source>
        <translation>Non se pode escribir no cartafol «%1»: %2</translation>
    </message>
    <message>
        <source>No se puede guardar el registro «%1»: %2</source>
        <translation>Non se pode gardar o rexistro «%1»: %2</translation>
    </message>
</context>
<context>
    <name>sending</name>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2 Se ha guardado una copia en este equipo, que se enviará de nuevo.</source>
        <extracomment>A send the results folder did not receive: the folder, the system&apos;s reason.</extracomment>
        <translation>Os resultados non chegaron ao cartafol «%1». %2 Gardouse unha copia neste ordenador, que se enviará de novo.</translation>
    </message>
    <message>
        <source>Los resultados no llegaron a la carpeta «%1». %2</source>
        <translation>Os resultados non chegaron ao cartafol «%1». %2</translation>
    </message>
</context>
<context>
    <name>setupcheck</name>
    <message>
        <source>solo su propietario puede dejar registros: los alumnos de otras cuentas no podrán enviar.</source>
        <translation>só o seu propietario pode deixar rexistros: os alumnos doutras contas non poderán enviar.</translation>
    </message>
    <message>
        <source>los alumnos pueden dejar registros, pero no borrar ni cambiar los de otros</source>
        <translation>os alumnos poden deixar rexistros, pero non borrar nin cambiar os doutros</translation>
    </message>
    <message>
        <source>los alumnos pueden borrar o cambiar los registros de otros (falta el bit «t»: chmod 1733)</source>
        <translation>os alumnos poden borrar ou cambiar os rexistros doutros (falta o bit «t»: chmod 1733)</translation>
    </message>
    <message>
        <source>, y leerlos.</source>
        <translation>, e lelos.</translation>
    </message>
    <message>
        <source>, ni leerlos.</source>
        <translation>, nin lelos.</translation>
    </message>
    <message>
        <source>Configuración del aula:</source>
        <translation>Configuración da aula:</translation>
    </message>
    <message>
        <source>  leído:      %1</source>
        <translation>  lido:       %1</translation>
    </message>
    <message>
        <source>  sin leer:   %1</source>
        <translation>  sen ler:    %1</translation>
    </message>
    <message>
        <source>  no existe:  %1</source>
        <translation>  non existe: %1</translation>
    </message>
    <message>
        <source>Problemas:</source>
        <translation>Problemas:</translation>
    </message>
    <message>
        <source>Valores en vigor:</source>
        <translation>Valores en vigor:</translation>
    </message>
    <message>
        <source>  (la carpeta la da --informes)</source>
        <translation>  (o cartafol dáo --informes)</translation>
    </message>
    <message>
        <source>Sin carpeta de resultados: cada registro se guarda solo en el equipo del alumno.</source>
        <translation>Sen cartafol de resultados: cada rexistro gárdase só no ordenador do alumno.</translation>
    </message>
    <message>
        <source>Carpeta de resultados: %1</source>
        <translation>Cartafol de resultados: %1</translation>
    </message>
    <message>
        <source>  no es una carpeta.</source>
        <translation>  non é un cartafol.</translation>
    </message>
    <message>
        <source>  no existe: el programa no la crea; hágala el profesor, o monte la carpeta compartida.</source>
        <translation>  non existe: o programa non o crea; debe crealo o profesor, ou montar o cartafol compartido.</translation>
    </message>
    <message>
        <source>  propietario %1, permisos %2</source>
        <translation>  propietario %1, permisos %2</translation>
    </message>
    <message>
        <source>  esta cuenta puede dejar registros en ella (se ha escrito y borrado un fichero de prueba).</source>
        <translation>  esta conta pode deixar rexistros nel (escribiuse e borrouse un ficheiro de proba).</translation>
    </message>
    <message>
        <source>  esta cuenta no puede dejar registros en ella: %1</source>
        <translation>  esta conta non pode deixar rexistros nel: %1</translation>
    </message>
    <message>
        <source>Todo en orden.</source>
        <translation>Todo en orde.</translation>
    </message>
    <message>
        <source>Hay problemas en la configuración.</source>
        <translation>Hai problemas na configuración.</translation>
    </message>
</context>
<context>
    <name>summaryexport</name>
    <message>
        <source>Alumno</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>El nombre que escribió el alumno</source>
        <translation>O nome que escribiu o alumno</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>El grupo que escribió el alumno</source>
        <translation>O grupo que escribiu o alumno</translation>
    </message>
    <message>
        <source>Equipo</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>El ordenador desde el que se envió</source>
        <translation>O ordenador desde o que se enviou</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Cuándo se envió, en la hora del ordenador del alumno</source>
        <translation>Cando se enviou, segundo a hora do ordenador do alumno</translation>
    </message>
    <message>
        <source>Correcciones</source>
        <translation>Correccións</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero antes de enviar</source>
        <translation>As veces que corrixiu o taboleiro antes de enviar</translation>
    </message>
    <message>
        <source>Aciertos</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Aciertos de la última corrección</source>
        <translation>Acertos da última corrección</translation>
    </message>
    <message>
        <source>Mejor</source>
        <translation>Mellor</translation>
    </message>
    <message>
        <source>Aciertos de la mejor corrección</source>
        <translation>Acertos da mellor corrección</translation>
    </message>
    <message>
        <source>Porcentaje</source>
        <translation>Porcentaxe</translation>
    </message>
    <message>
        <source>No se puede escribir «%1»: %2.</source>
        <translation>Non se pode escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>La carpeta «%1» no existe.</source>
        <translation>O cartafol «%1» non existe.</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta.</source>
        <translation>«%1» non é un cartafol.</translation>
    </message>
    <message>
        <source>No se puede leer la carpeta «%1».</source>
        <translation>Non se pode ler o cartafol «%1».</translation>
    </message>
    <message>
        <source>1 registro no se ha podido leer</source>
        <translation>1 rexistro non se puido ler</translation>
    </message>
    <message>
        <source>%1 registros no se han podido leer</source>
        <translation>%1 rexistros non se puideron ler</translation>
    </message>
    <message>
        <source>Resumen de la clase</source>
        <translation>Resumo da clase</translation>
    </message>
    <message>
        <source>Carpeta: %1</source>
        <translation>Cartafol: %1</translation>
    </message>
    <message>
        <source>Fecha: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Registros: %1</source>
        <translation>Rexistros: %1</translation>
    </message>
    <message>
        <source>Los más fallados: %1</source>
        <translation>Os máis fallados: %1</translation>
    </message>
    <message>
        <source>Los aciertos sobre las casillas de las correcciones de este envío</source>
        <translation>Os acertos sobre as casas das correccións deste envío</translation>
    </message>
    <message>
        <source>Envíos</source>
        <translation>Envíos</translation>
    </message>
    <message>
        <source>Las veces que el alumno pulsó «Enviar»</source>
        <translation>As veces que o alumno premeu «Enviar»</translation>
    </message>
    <message>
        <source>Las veces que corrigió el tablero, en todos sus envíos</source>
        <translation>As veces que corrixiu o taboleiro, en todos os seus envíos</translation>
    </message>
    <message>
        <source>Primera</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su primera corrección</source>
        <translation>A porcentaxe de acertos da súa primeira corrección</translation>
    </message>
    <message>
        <source>Última</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su última corrección</source>
        <translation>A porcentaxe de acertos da súa última corrección</translation>
    </message>
    <message>
        <source>Mejor %</source>
        <translation>Mellor %</translation>
    </message>
    <message>
        <source>El porcentaje de aciertos de su mejor corrección</source>
        <translation>A porcentaxe de acertos da súa mellor corrección</translation>
    </message>
    <message>
        <source>(sin nombre: %1, %2)</source>
        <extracomment>A record sent with no pupil&apos;s name: the machine and the time instead.</extracomment>
        <translation>(sen nome: %1, %2)</translation>
    </message>
    <message>
        <source>No es un fichero normal</source>
        <translation>Non é un ficheiro normal</translation>
    </message>
    <message>
        <source>--csv y --pdf no pueden escribir el mismo fichero: «%1».</source>
        <extracomment>--csv and --pdf stay as they are.</extracomment>
        <translation>--csv e --pdf non poden escribir o mesmo ficheiro: «%1».</translation>
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
