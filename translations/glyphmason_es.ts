<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Number of words, by word length (regardless of containing characters): </source>
        <extracomment>Heading in the words-list analysis report; the lines below list the words by length</extracomment>
        <translation>Número de palabras por longitud (sin importar los caracteres que contienen): </translation>
    </message>
    <message numerus="yes">
        <source>* %1 letters = %n words</source>
        <extracomment>Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it</extracomment>
        <translation>
            <numerusform>* %1 letras = %n palabra</numerusform>
            <numerusform>* %1 letras = %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>* Other lengths = %1</source>
        <extracomment>Line of the analysis report: %1 is how many words have a length of 1 or above 10</extracomment>
        <translation>* Otras longitudes = %1</translation>
    </message>
    <message>
        <source>Alphabet and letter probabilities (between 1 and %1 for each): </source>
        <extracomment>Heading in the words-list analysis report: %1 is the highest weight a letter can get</extracomment>
        <translation>Alfabeto y probabilidades de las letras (entre 1 y %1 cada una): </translation>
    </message>
    <message>
        <source>ANALYSIS REPORT</source>
        <extracomment>Title of the words-list analysis report, which the player pastes from the clipboard</extracomment>
        <translation>INFORME DE ANÁLISIS</translation>
    </message>
    <message>
        <source>Letters (within the alphabet) = %1</source>
        <extracomment>Line of the analysis report: %1 is how many letters of the words are in the alphabet</extracomment>
        <translation>Letras (dentro del alfabeto) = %1</translation>
    </message>
    <message>
        <source>Characters outside the alphabet = %1</source>
        <extracomment>Line of the analysis report: %1 is how many characters of the words are not in the alphabet</extracomment>
        <translation>Caracteres fuera del alfabeto = %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>There is no such dictionary.</source>
        <translation>No existe ese diccionario.</translation>
    </message>
    <message>
        <source>There aren&apos;t enough active letters to form an alphabet. 
Change the dictionary!</source>
        <translation>No hay suficientes letras activas para formar un alfabeto. 
¡Cambia el diccionario!</translation>
    </message>
    <message>
        <source>There are not enough words in the words list
to automatically calculate letter probabilities.</source>
        <translation>No hay suficientes palabras en la lista de palabras
para calcular automáticamente las probabilidades de las letras.</translation>
    </message>
</context>
<context>
    <name>DirectoryTree</name>
    <message>
        <source>Failed to process directory.</source>
        <translation>No se pudo procesar la carpeta.</translation>
    </message>
</context>
<context>
    <name>FunStatContext</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>El cuadro de diálogo de error no se ha creado. Hay que crearlo.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Glyphmason - %1</source>
        <extracomment>Main window title: %1 is the game file&apos;s path</extracomment>
        <translation>Glyphmason - %1</translation>
    </message>
    <message>
        <source>Available letter changes %1</source>
        <extracomment>Label, 180 px wide: %1 is how many letter changes are left</extracomment>
        <translation>Cambios de letra disponibles %1</translation>
    </message>
    <message>
        <source>Last word is in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word just put on the board</extracomment>
        <translation>La última palabra está en la lista: «%1»</translation>
    </message>
    <message>
        <source>Last word was NOT in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word the player tried to put</extracomment>
        <translation>La última palabra NO estaba en la lista: «%1»</translation>
    </message>
</context>
<context>
    <name>GameFigures</name>
    <message>
        <source>%1.%2</source>
        <extracomment>A number with one decimal, as the language writes it: %1 is the whole part, %2 the tenth</extracomment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Glyphmason game (*.gmg)</source>
        <extracomment>File type in the open and save dialogs</extracomment>
        <translation>Partida de Glyphmason (*.gmg)</translation>
    </message>
    <message>
        <source>Glyphmason dictionary (*.gmd)</source>
        <extracomment>File type in the dialog that opens a dictionary</extracomment>
        <translation>Diccionario de Glyphmason (*.gmd)</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partida se ha modificado. ¿Guardarla?</translation>
    </message>
    <message>
        <source>There is nothing to analyze.</source>
        <translation>No hay nada que analizar.</translation>
    </message>
    <message>
        <source>Analysis report was successfully copied to clipboard.</source>
        <translation>El informe de análisis se ha copiado al portapapeles.</translation>
    </message>
    <message>
        <source>The stock letters make no word of the words list here.</source>
        <translation>Las letras del atril no forman aquí ninguna palabra de la lista de palabras.</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>¿Terminar esta partida?</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>Records: not entered, a move was undone</source>
        <extracomment>Summary line: no record was entered because a move was taken back</extracomment>
        <translation>Récords: no se registra, se deshizo una jugada</translation>
    </message>
    <message>
        <source>Records: not entered, a move was undone, and %1</source>
        <extracomment>Summary line: %1 is a further reason, e.g. &quot;Suggest word was used&quot;</extracomment>
        <translation>Récords: no se registra, se deshizo una jugada y %1</translation>
    </message>
    <message>
        <source>Records: place %1 of the ten best for %2</source>
        <extracomment>Summary line: %1 is the rank (1 to 10), %2 the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Récords: puesto %1 entre los diez mejores de %2</translation>
    </message>
    <message>
        <source>Records: not among the ten best for %1</source>
        <extracomment>Summary line: %1 is the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Récords: no está entre los diez mejores de %1</translation>
    </message>
    <message>
        <source>Records: not entered, a word unknown to the words list was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Récords: no se registra, se confirmó una palabra que no está en la lista de palabras</translation>
    </message>
    <message>
        <source>Records: not entered, no word was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Récords: no se registra, no se confirmó ninguna palabra</translation>
    </message>
    <message>
        <source>Records: place %1, but the records file could not be written</source>
        <extracomment>Summary line: %1 is the rank (1 to 10) the game would have had</extracomment>
        <translation>Récords: puesto %1, pero no se pudo escribir el archivo de récords</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Récords: no se registra, se usó Sugerir palabra</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used and an unknown word committed</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Récords: no se registra, se usó Sugerir palabra y se confirmó una palabra desconocida</translation>
    </message>
    <message>
        <source>Records: not entered, the records file could not be read</source>
        <extracomment>Summary line</extracomment>
        <translation>Récords: no se registra, no se pudo leer el archivo de récords</translation>
    </message>
    <message>
        <source>Best word: none</source>
        <extracomment>Summary line when no word was committed</extracomment>
        <translation>Mejor palabra: ninguna</translation>
    </message>
    <message numerus="yes">
        <source>Best word: &quot;%1&quot;, %n points</source>
        <extracomment>Summary line: %1 is the word, %n its score</extracomment>
        <translation>
            <numerusform>Mejor palabra: «%1», %n punto</numerusform>
            <numerusform>Mejor palabra: «%1», %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Puntuación final: %1</translation>
    </message>
    <message>
        <source>Words committed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Palabras confirmadas: %1</translation>
    </message>
    <message>
        <source>Letters placed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Letras colocadas: %1</translation>
    </message>
    <message>
        <source>Average score per word: %1</source>
        <extracomment>Summary line: %1 is a number with one decimal, e.g. &quot;12.5&quot;</extracomment>
        <translation>Puntuación media por palabra: %1</translation>
    </message>
    <message>
        <source>Letter changes used: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Cambios de letra usados: %1</translation>
    </message>
    <message numerus="yes">
        <source>Suggest word used: %n time(s)</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>
            <numerusform>Veces que se usó Sugerir palabra: %n</numerusform>
            <numerusform>Veces que se usó Sugerir palabra: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Par: %1, accuracy %2 %</source>
        <extracomment>Summary line: %1 is the par score, %2 the score as a percentage of it</extracomment>
        <translation>Par: %1, precisión %2 %</translation>
    </message>
    <message>
        <source>The old records file could not be read.</source>
        <extracomment>Summary line; the next line names the file the old records were kept in</extracomment>
        <translation>No se pudo leer el archivo de récords anterior.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <extracomment>Summary line: %1 is a file name</extracomment>
        <translation>Se ha conservado como %1.</translation>
    </message>
    <message>
        <source>No word was committed.</source>
        <extracomment>Read by a screen reader for the turn chart of a game without words</extracomment>
        <translation>No se confirmó ninguna palabra.</translation>
    </message>
    <message numerus="yes">
        <source>Word %1, %2: %n point(s), best possible %3</source>
        <extracomment>Read by a screen reader for one bar pair of the turn chart: %1 is the turn&apos;s number, %2 the word, %n its score, %3 the best score possible at that turn</extracomment>
        <translation>
            <numerusform>Palabra %1, %2: %n punto, mejor posible %3</numerusform>
            <numerusform>Palabra %1, %2: %n puntos, mejor posible %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggest word was used and an unknown word committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>se usó Sugerir palabra y se confirmó una palabra desconocida</translation>
    </message>
    <message>
        <source>Suggest word was used</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>se usó Sugerir palabra</translation>
    </message>
    <message>
        <source>a word unknown to the words list was committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>se confirmó una palabra que no está en la lista de palabras</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>¿Instalar el programa en la carpeta «%1»?</translation>
    </message>
    <message>
        <source>This copy of the program was not installed by its installer.
Nothing was deleted.</source>
        <translation>Esta copia del programa no se instaló con su instalador.
No se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>¿Eliminar la carpeta «%1» (con todos los archivos que contiene)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Desinstalación completada. No se eliminaron algunos archivos que estaban en uso.</translation>
    </message>
</context>
<context>
    <name>MyDialogs</name>
    <message>
        <source>Error</source>
        <extracomment>Title of a box that tells of a failure</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a box that tells the player something</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Title of a box that warns the player</extracomment>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Query</source>
        <extracomment>Title of a box that asks the player a question</extracomment>
        <translation>Pregunta</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version %1, released on %2</source>
        <extracomment>%1 is the version number, %2 the release date, as they stand</extracomment>
        <translation>Versión %1, publicada el %2</translation>
    </message>
</context>
<context>
    <name>RunFile</name>
    <message>
        <source>The name of the file is empty.</source>
        <translation>El nombre del archivo está vacío.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Score %1; possible score now %2</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score, %2 what the loose letters would add now</extracomment>
        <translation>Puntuación %1; posible ahora %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score</extracomment>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>Letter score %1</source>
        <extracomment>Label, 294 px wide: %1 is the points of the letter the mouse points at</extracomment>
        <translation>Valor de la letra %1</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>, </source>
        <extracomment>Spoken between two stock slots in &quot;1 K, 2 A, 3 empty&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken for a stock slot without a letter, as in &quot;3 empty&quot;</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One stock slot as spoken: %1 is its number (1 to 7), %2 its letter or &quot;empty&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>Spoken: %1 is the game&apos;s score</extracomment>
        <translation>Puntuación %1.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 up.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads upwards</extracomment>
        <translation>Sugerencia: %1 desde %2 hacia arriba.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 down.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards</extracomment>
        <translation>Sugerencia: %1 desde %2 hacia abajo.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 left.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards</extracomment>
        <translation>Sugerencia: %1 desde %2 hacia la izquierda.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 right.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards</extracomment>
        <translation>Sugerencia: %1 desde %2 hacia la derecha.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>Spoken: %1 is a letter, %2 the square it was put on (&quot;K on H8&quot;)</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n point(s).</source>
        <extracomment>Spoken: %1 is the word just put on the board</extracomment>
        <translation>
            <numerusform>%1 por %n punto.</numerusform>
            <numerusform>%1 por %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>New letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Letras nuevas: %1.</translation>
    </message>
    <message>
        <source>%1 puts the flipped word.</source>
        <extracomment>Spoken: %1 is a key (&quot;Shift+Enter&quot;)</extracomment>
        <translation>%1 pone la palabra al revés.</translation>
    </message>
    <message>
        <source>%1 puts it on the board.</source>
        <extracomment>Spoken: %1 is a key (&quot;Enter&quot;)</extracomment>
        <translation>%1 la pone en el tablero.</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Spoken when the board cursor turns to move downwards</extracomment>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Spoken when the board cursor turns to move rightwards</extracomment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Cursor on %1, moving down.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go downwards from it</extracomment>
        <translation>Marco en %1, avanza hacia abajo.</translation>
    </message>
    <message>
        <source>Cursor on %1, moving right.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go rightwards from it</extracomment>
        <translation>Marco en %1, avanza hacia la derecha.</translation>
    </message>
    <message>
        <source>Letter changes left: %1.</source>
        <extracomment>Spoken: %1 is how many letter changes are left</extracomment>
        <translation>Cambios de letra restantes: %1.</translation>
    </message>
    <message>
        <source>Your letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Tus letras: %1.</translation>
    </message>
    <message>
        <source>No loose letters on the board.</source>
        <translation>No hay letras sueltas en el tablero.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Spoken when a word cannot be put because the game has ended</extracomment>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>Move taken back. Your letters: %1.</source>
        <extracomment>Spoken after Undo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Jugada deshecha. Tus letras: %1.</translation>
    </message>
    <message>
        <source>Move played again. Your letters: %1.</source>
        <extracomment>Spoken after Redo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Jugada rehecha. Tus letras: %1.</translation>
    </message>
</context>
<context>
    <name>StoredTextList</name>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>El archivo «%1» ya existe.
¿Sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>Suggestion</name>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put flipped word&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put flipped word&quot; is a button&apos;s caption</extracomment>
        <translation>Sugerencia «%1»: pulsa «Poner al revés»</translation>
    </message>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put word on board&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put word on board&quot; is a button&apos;s caption</extracomment>
        <translation>Sugerencia «%1»: pulsa «Poner palabra»</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <extracomment>Window title</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Written by the Glyphmason developers</source>
        <extracomment>One line, 408 px wide</extracomment>
        <translation>Escrito por los desarrolladores de Glyphmason</translation>
    </message>
    <message>
        <source>You are welcome on the Glyphmason site: there you find new dictionaries for the game, news of coming versions and the other word games of the Glyphmason project.</source>
        <extracomment>Three lines at most, 408 px wide</extracomment>
        <translation>Te damos la bienvenida al sitio de Glyphmason: allí encontrarás nuevos diccionarios para el juego, novedades de las próximas versiones y los demás juegos de palabras del proyecto Glyphmason.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <extracomment>Button caption, 128 px wide: opens the project&apos;s home page</extracomment>
        <translation>Visitar mi sitio</translation>
    </message>
    <message>
        <source>License terms</source>
        <extracomment>Button caption, 128 px wide: opens the licence page</extracomment>
        <translation>Condiciones de licencia</translation>
    </message>
    <message>
        <source>Contact me</source>
        <extracomment>Button caption, 128 px wide: opens the page for questions and bug reports</extracomment>
        <translation>Contactar</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 80 px wide</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Spoken by a screen reader for an empty square; %1 is the square&apos;s name, such as H8</extracomment>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>%1, %2, loose</source>
        <extracomment>Spoken by a screen reader for a square with a letter not yet put on the board as part of a word; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, suelta</translation>
    </message>
    <message>
        <source>%1, %2, fixed</source>
        <extracomment>Spoken by a screen reader for a square with a letter of a word already put on the board; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, fija</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name</extracomment>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>TChooseLetterForm</name>
    <message>
        <source>Choose letter</source>
        <extracomment>Window title</extracomment>
        <translation>Elegir letra</translation>
    </message>
    <message>
        <source>Click the letter you want to choose as replacement</source>
        <extracomment>One line under the letters, at most 470 px wide</extracomment>
        <translation>Haz clic en la letra que quieres elegir como sustituta</translation>
    </message>
    <message>
        <source>Type the letter, or move to it with the arrows and press Enter</source>
        <translation>Escribe la letra, o muévete hasta ella con las flechas y pulsa Enter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Replace %1 in slot %2</source>
        <extracomment>%1 is the letter, %2 the stock slot&apos;s number (1 to 7)</extracomment>
        <translation>Sustituir %1 del hueco %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Error al iniciar la función</translation>
    </message>
    <message>
        <source>Panic</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Pánico</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Catástrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Estado de función desconocido</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>No se pudo instalar el programa. Comprueba que tienes permiso de escritura en la carpeta de instalación.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>No se pudo desinstalar el programa.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Se interceptó una terminación anómala.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>No se pudo cargar el archivo.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>Failed to load dictionary.</source>
        <translation>No se pudo cargar el diccionario.</translation>
    </message>
    <message>
        <source>Failed to save dictionary.</source>
        <translation>No se pudo guardar el diccionario.</translation>
    </message>
    <message>
        <source>Failed to create new puzzle.</source>
        <translation>No se pudo crear una partida nueva.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>No se pudo cargar la última partida.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>No se pudo cargar la partida.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>No se pudo guardar la partida.</translation>
    </message>
    <message>
        <source>Failed to analyze words list.</source>
        <translation>No se pudo analizar la lista de palabras.</translation>
    </message>
    <message>
        <source>Failed to suggest a word.</source>
        <translation>No se pudo sugerir una palabra.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>No se pudo abrir el sitio.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>No se pudo mostrar la ventana «Acerca de».</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 104 px wide</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <extracomment>Button caption, 110 px wide: closes the dialog and shows no further errors</extracomment>
        <translation>Aceptar sin &amp;errores</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 98 px wide</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <extracomment>Button caption, 220 px wide</extracomment>
        <translation>&amp;Terminar la aplicación ahora mismo</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>Button caption, 46 px wide: writes the report to the error log</extracomment>
        <translation>A&amp;notar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 46 px wide</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>No se pudo realizar la acción.</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <extracomment>One line, 324 px wide; %1 counts the errors that came while this one was shown</extracomment>
        <translation>Intentos recursivos = %1</translation>
    </message>
    <message>
        <source>Recursive attempts = None</source>
        <extracomment>One line, 324 px wide</extracomment>
        <translation>Intentos recursivos = ninguno</translation>
    </message>
    <message>
        <source>Failed to copy text to clipboard.</source>
        <translation>No se pudo copiar el texto al portapapeles.</translation>
    </message>
    <message>
        <source>Failed to copy report to clipboard.</source>
        <translation>No se pudo copiar el informe al portapapeles.</translation>
    </message>
    <message>
        <source>Failed to prepare the main window.</source>
        <translation>No se pudo preparar la ventana principal.</translation>
    </message>
</context>
<context>
    <name>TGameOverForm</name>
    <message>
        <source>Game over</source>
        <extracomment>Title of the window that sums up an ended game</extracomment>
        <translation>Fin de partida</translation>
    </message>
    <message>
        <source>Each word&apos;s score (dark) beside the best possible then (light)</source>
        <extracomment>One line, 480 px wide, above the chart of the words&apos; scores; dark and light are the bars&apos; colours</extracomment>
        <translation>Puntos de cada palabra (oscuro) junto a los mejores posibles en ese turno (claro)</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TGlyphmasonForm</name>
    <message>
        <source>Words in the words list: none loaded</source>
        <translation>Palabras en la lista: ninguna cargada</translation>
    </message>
    <message>
        <source>Letter changes: no game</source>
        <translation>Cambios de letra: sin partida</translation>
    </message>
    <message>
        <source>Letter score: no letter pointed at</source>
        <translation>Valor de la letra: ninguna letra señalada</translation>
    </message>
    <message>
        <source>Last word: none</source>
        <translation>Última palabra: ninguna</translation>
    </message>
    <message>
        <source>Score: none</source>
        <translation>Puntuación: ninguna</translation>
    </message>
    <message>
        <source>Why no word: nothing to explain</source>
        <translation>Por qué no hay palabra: nada que explicar</translation>
    </message>
    <message>
        <source>End game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Game summary</source>
        <extracomment>Work menu item</extracomment>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Work menu item</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Ctrl+N: new game      Ctrl+Z: continue the last game</source>
        <extracomment>Centred on the empty board; &quot;Ctrl+N&quot; and &quot;Ctrl+Z&quot; are keys and stay as they are</extracomment>
        <translation>Ctrl+N: nueva partida      Ctrl+Z: continuar la última partida</translation>
    </message>
    <message>
        <source>Ctrl+N: new game</source>
        <extracomment>Centred on the empty board before the first game; &quot;Ctrl+N&quot; is a key</extracomment>
        <translation>Ctrl+N: nueva partida</translation>
    </message>
    <message>
        <source>No word can be made: change letters.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Ninguna palabra posible: cambia letras.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <extracomment>Spoken by a screen reader for an empty stock slot; %1 is the slot&apos;s number, 1 to 7</extracomment>
        <translation>%1: vacío</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n point(s)</source>
        <extracomment>Spoken by a screen reader for a stock slot; %1 is the slot&apos;s number, 1 to 7, %2 its letter</extracomment>
        <translation>
            <numerusform>%1: %2, %n punto</numerusform>
            <numerusform>%1: %2, %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <extracomment>Button caption, 40 px wide; its mnemonic opens the Work menu</extracomment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Display the &quot;Work&quot; menu</source>
        <extracomment>Hint of the Work button; &quot;Work&quot; is the button&apos;s caption without its &amp;</extracomment>
        <translation>Muestra el menú «Juego»</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Ocult.</translation>
    </message>
    <message>
        <source>You can also use &quot;Space&quot; to hide the program</source>
        <extracomment>Hint of the Hide button; &quot;Space&quot; is the key&apos;s name</extracomment>
        <translation>También puedes pulsar «Space» para ocultar el programa</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You can also use &quot;Alt + F4&quot; to close the program</source>
        <extracomment>Hint of the Close button; &quot;Alt + F4&quot; are the keys&apos; names</extracomment>
        <translation>También puedes pulsar «Alt + F4» para cerrar el programa</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>Check box caption, 85 px wide including the box</extracomment>
        <translation>P. &amp;completa</translation>
    </message>
    <message>
        <source>If this is checked, the main window of the program will cover the entire screen. If you check this and the main window looks weird, just restart the program.</source>
        <translation>Si está marcada, la ventana principal del programa ocupa toda la pantalla. Si la marcas y la ventana principal se ve rara, reinicia el programa.</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Label left of the columns box; about 50 px fit before the box</extracomment>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Label left of the rows box; about 30 px fit before the box</extracomment>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <extracomment>Label left of the dictionary&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Diccionario</translation>
    </message>
    <message>
        <source>Words list</source>
        <extracomment>Label left of the words list&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Automatically add unknown words to words list</source>
        <extracomment>Check box caption, 280 px wide including the box</extracomment>
        <translation>Añadir palabras desconocidas a la lista</translation>
    </message>
    <message>
        <source>The words list is automatically saved when the game is saved, if any words are added to it</source>
        <translation>La lista de palabras se guarda automáticamente al guardar la partida, si se le ha añadido alguna palabra</translation>
    </message>
    <message>
        <source>Stock letters</source>
        <extracomment>Frame title above the seven stock letters, 310 px wide</extracomment>
        <translation>Letras del atril</translation>
    </message>
    <message>
        <source>Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.</source>
        <extracomment>Tip of two lines, 294 px wide; [RMB] is the right mouse button</extracomment>
        <translation>Arrastra letras entre el atril y el tablero para moverlas o intercambiarlas. Clic derecho: cambiar la letra.</translation>
    </message>
    <message>
        <source>1 to 7 put a letter at the board&apos;s frame; Ctrl+1 to 7 or the Menu key on a focused slot change it</source>
        <extracomment>Spoken by a screen reader; &quot;Ctrl&quot; and &quot;Menu&quot; are key names</extracomment>
        <translation>1 a 7 ponen una letra en el marco del tablero; Ctrl+1 a 7 o la tecla Menu en un hueco con el foco la cambian</translation>
    </message>
    <message>
        <source>New stock letters</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Renovar atril</translation>
    </message>
    <message>
        <source>Throw away the loose letters and draw seven new stock letters</source>
        <translation>Descarta las letras sueltas y saca siete letras nuevas al atril</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Frame title above the word&apos;s buttons, 310 px wide</extracomment>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>&amp;Put word on board</source>
        <extracomment>Button caption, 115 px wide</extracomment>
        <translation>&amp;Poner palabra</translation>
    </message>
    <message>
        <source>The word must be readable left to right or top to bottom</source>
        <translation>La palabra debe leerse de izquierda a derecha o de arriba abajo</translation>
    </message>
    <message>
        <source>Put flipped word</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Poner al revés</translation>
    </message>
    <message>
        <source>The word must be readable right to left or bottom to top</source>
        <translation>La palabra debe leerse de derecha a izquierda o de abajo arriba</translation>
    </message>
    <message>
        <source>Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) must form only one word.</source>
        <extracomment>Tip of three lines at most, 270 px wide</extracomment>
        <translation>Pulsa un botón para fijar la palabra en el tablero. Todas las letras sueltas (y las letras que tocan) deben formar una sola palabra.</translation>
    </message>
    <message>
        <source>Enter puts the word on the board, Shift+Enter the flipped word</source>
        <extracomment>Spoken by a screen reader; &quot;Enter&quot; and &quot;Shift&quot; are key names</extracomment>
        <translation>Enter pone la palabra en el tablero; Shift+Enter, la palabra al revés</translation>
    </message>
    <message>
        <source>Allow unknown words</source>
        <extracomment>Check box caption, 140 px wide including the box</extracomment>
        <translation>Admitir desconocidas</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Frame title above the board</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, &quot;/&quot; turns it between right and down; Backspace and Delete take letters back; Enter puts the word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your letters, the score and the frame&apos;s square aloud.</source>
        <extracomment>Hint of the board; &quot;/&quot; and &quot;R&quot; are the keys themselves and stay as they are</extracomment>
        <translation>Teclas: 1 a 7 ponen esa letra del atril en el marco; las flechas mueven el marco, &quot;/&quot; lo gira entre derecha y abajo; Backspace y Delete retiran letras; Enter pone la palabra, Shift+Enter la palabra al revés; Ctrl+1 a Ctrl+7 cambian una letra del atril. R lee en voz alta tus letras, la puntuación y la casilla del marco.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Load dictionary</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Cargar diccionario</translation>
    </message>
    <message>
        <source>Load last game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Load game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Analyze words list</source>
        <extracomment>Work menu item</extracomment>
        <translation>Analizar lista</translation>
    </message>
    <message>
        <source>Suggest word</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Sugerir palabra</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Spoken by a screen reader: the panel of the Work, Help and About buttons</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Board size and dictionary</source>
        <extracomment>Spoken by a screen reader: the panel of the board size and the dictionary</extracomment>
        <translation>Tamaño del tablero y diccionario</translation>
    </message>
    <message>
        <source>Letters and word</source>
        <extracomment>Spoken by a screen reader: the panel of the stock letters and the word</extracomment>
        <translation>Letras y palabra</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>spoken name</comment>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>spoken name</comment>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <comment>spoken name</comment>
        <translation>Diccionario</translation>
    </message>
    <message>
        <source>Words list</source>
        <comment>spoken name</comment>
        <translation>Lista de palabras</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Glyphmason Help</source>
        <extracomment>Title of the help window; Glyphmason is the program&apos;s name</extracomment>
        <translation>Ayuda de Glyphmason</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the help file&apos;s path</extracomment>
        <translation>No se puede abrir el archivo de ayuda «%1».</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>Install</source>
        <extracomment>Window title</extracomment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <extracomment>Four lines at most, 384 px wide</extracomment>
        <translation>Puedes reinstalar el programa sin desinstalar antes su versión anterior. El archivo de opciones existente se conserva. Para reparar la instalación, basta con volver a instalar el programa. Antes de continuar, cierra el programa si está en marcha.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Button caption, 80 px wide: picks the folder to install in</extracomment>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Install %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Instalar %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Bienvenido a %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>La carpeta del programa se creará dentro de la carpeta:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>%1 se despide</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Se eliminará la carpeta siguiente:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Desinstalar</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Best word</source>
        <translation>Mejor palabra</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the window of the best games
----------
Spoken by a screen reader: the table of the best games</extracomment>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Dictionary and board size</source>
        <extracomment>Label left of the list of record tables, 150 px wide</extracomment>
        <translation>Diccionario y tablero</translation>
    </message>
    <message>
        <source>Bold, with *: the newest record</source>
        <extracomment>One line, 300 px wide, below the table; &quot;*&quot; is the mark beside the newest record&apos;s place</extracomment>
        <translation>En negrita, con *: el récord más reciente</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TStockAccessible</name>
    <message>
        <source>Puts the letter at the board&apos;s frame</source>
        <extracomment>Spoken by a screen reader: what pressing a stock slot does</extracomment>
        <translation>Pone la letra en el marco del tablero</translation>
    </message>
</context>
<context>
    <name>TTurnChart</name>
    <message>
        <source>No word was committed.</source>
        <extracomment>Centred in the chart of the words&apos; scores, 480 px wide, when the game had no word</extracomment>
        <translation>No se confirmó ninguna palabra.</translation>
    </message>
</context>
<context>
    <name>Utilities</name>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <extracomment>%1, %2 and %3 are whole numbers: the least, the greatest and the default value</extracomment>
        <translation>Valor entero fuera de los límites.
Se usará el valor por defecto.
    * Mínimo = %1
    * Máximo = %2
    * Por defecto = %3</translation>
    </message>
    <message>
        <source>There is no text to copy to clipboard.</source>
        <translation>No hay texto que copiar al portapapeles.</translation>
    </message>
</context>
<context>
    <name>WordRule</name>
    <message>
        <source>The loose letters are not in one row or one column.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Las letras sueltas no están en una misma fila o columna.</translation>
    </message>
    <message>
        <source>One letter alone makes no word: put it next to a letter.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Una letra sola no forma palabra: ponla junto a otra letra.</translation>
    </message>
    <message>
        <source>The letter touches letters on more than one side.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>La letra toca letras por más de un lado.</translation>
    </message>
    <message>
        <source>A loose letter touches letters across the word.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Una letra suelta toca letras a los lados de la palabra.</translation>
    </message>
    <message>
        <source>The loose letters leave a gap.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Las letras sueltas dejan un espacio vacío.</translation>
    </message>
    <message>
        <source>The word does not run through a letter already on the board.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>La palabra no pasa por ninguna letra que ya esté en el tablero.</translation>
    </message>
</context>
<context>
    <name>WordsList</name>
    <message numerus="yes">
        <source>There are %n words in the words list; new words.</source>
        <extracomment>Label, 290 px wide; &quot;new words&quot;: words the player added, not yet saved</extracomment>
        <translation>
            <numerusform>Hay %n palabra en la lista; hay palabras nuevas.</numerusform>
            <numerusform>Hay %n palabras en la lista; hay palabras nuevas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n words in the words list.</source>
        <extracomment>Label, 290 px wide</extracomment>
        <translation>
            <numerusform>Hay %n palabra en la lista de palabras.</numerusform>
            <numerusform>Hay %n palabras en la lista de palabras.</numerusform>
        </translation>
    </message>
</context>
</TS>
