<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Number of words, by word length (regardless of containing characters): </source>
        <extracomment>Heading in the words-list analysis report; the lines below list the words by length</extracomment>
        <translation>Numero di parole per lunghezza (indipendentemente dai caratteri contenuti): </translation>
    </message>
    <message numerus="yes">
        <source>* %1 letters = %n words</source>
        <extracomment>Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it</extracomment>
        <translation>
            <numerusform>* %1 lettere = %n parola</numerusform>
            <numerusform>* %1 lettere = %n parole</numerusform>
        </translation>
    </message>
    <message>
        <source>* Other lengths = %1</source>
        <extracomment>Line of the analysis report: %1 is how many words have a length of 1 or above 10</extracomment>
        <translation>* Altre lunghezze = %1</translation>
    </message>
    <message>
        <source>Alphabet and letter probabilities (between 1 and %1 for each): </source>
        <extracomment>Heading in the words-list analysis report: %1 is the highest weight a letter can get</extracomment>
        <translation>Alfabeto e probabilità delle lettere (tra 1 e %1 per ciascuna): </translation>
    </message>
    <message>
        <source>ANALYSIS REPORT</source>
        <extracomment>Title of the words-list analysis report, which the player pastes from the clipboard</extracomment>
        <translation>RAPPORTO DI ANALISI</translation>
    </message>
    <message>
        <source>Letters (within the alphabet) = %1</source>
        <extracomment>Line of the analysis report: %1 is how many letters of the words are in the alphabet</extracomment>
        <translation>Lettere (nell&apos;alfabeto) = %1</translation>
    </message>
    <message>
        <source>Characters outside the alphabet = %1</source>
        <extracomment>Line of the analysis report: %1 is how many characters of the words are not in the alphabet</extracomment>
        <translation>Caratteri fuori dall&apos;alfabeto = %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>There is no such dictionary.</source>
        <translation>Questo dizionario non esiste.</translation>
    </message>
    <message>
        <source>There aren&apos;t enough active letters to form an alphabet. 
Change the dictionary!</source>
        <translation>Non ci sono abbastanza lettere attive per formare un alfabeto. 
Cambia dizionario!</translation>
    </message>
    <message>
        <source>There are not enough words in the words list
to automatically calculate letter probabilities.</source>
        <translation>Il lessico non contiene abbastanza parole
per calcolare automaticamente le probabilità delle lettere.</translation>
    </message>
</context>
<context>
    <name>DirectoryTree</name>
    <message>
        <source>Failed to process directory.</source>
        <translation>Impossibile elaborare la cartella.</translation>
    </message>
</context>
<context>
    <name>FunStatContext</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>La finestra degli errori non è stata creata. Occorre crearla.</translation>
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
        <translation>Cambi lettera disponibili %1</translation>
    </message>
    <message>
        <source>Last word is in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word just put on the board</extracomment>
        <translation>L&apos;ultima parola è nel lessico: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Last word was NOT in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word the player tried to put</extracomment>
        <translation>L&apos;ultima parola NON era nel lessico: &quot;%1&quot;</translation>
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
        <translation>Partita di Glyphmason (*.gmg)</translation>
    </message>
    <message>
        <source>Glyphmason dictionary (*.gmd)</source>
        <extracomment>File type in the dialog that opens a dictionary</extracomment>
        <translation>Dizionario di Glyphmason (*.gmd)</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partita è stata modificata. Salvarla?</translation>
    </message>
    <message>
        <source>There is nothing to analyze.</source>
        <translation>Non c&apos;è nulla da analizzare.</translation>
    </message>
    <message>
        <source>Analysis report was successfully copied to clipboard.</source>
        <translation>Il rapporto di analisi è stato copiato negli appunti.</translation>
    </message>
    <message>
        <source>The stock letters make no word of the words list here.</source>
        <translation>Le lettere del leggio non formano qui nessuna parola del lessico.</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Terminare questa partita?</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>Records: not entered, a move was undone</source>
        <extracomment>Summary line: no record was entered because a move was taken back</extracomment>
        <translation>Record: non registrata, è stata annullata una mossa</translation>
    </message>
    <message>
        <source>Records: not entered, a move was undone, and %1</source>
        <extracomment>Summary line: %1 is a further reason, e.g. &quot;Suggest word was used&quot;</extracomment>
        <translation>Record: non registrata, è stata annullata una mossa ed %1</translation>
    </message>
    <message>
        <source>Records: place %1 of the ten best for %2</source>
        <extracomment>Summary line: %1 is the rank (1 to 10), %2 the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Record: %1° posto tra le dieci migliori per %2</translation>
    </message>
    <message>
        <source>Records: not among the ten best for %1</source>
        <extracomment>Summary line: %1 is the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Record: non è tra le dieci migliori per %1</translation>
    </message>
    <message>
        <source>Records: not entered, a word unknown to the words list was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Record: non registrata, è stata posata una parola ignota al lessico</translation>
    </message>
    <message>
        <source>Records: not entered, no word was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Record: non registrata, non è stata posata nessuna parola</translation>
    </message>
    <message>
        <source>Records: place %1, but the records file could not be written</source>
        <extracomment>Summary line: %1 is the rank (1 to 10) the game would have had</extracomment>
        <translation>Record: %1° posto, ma non è stato possibile scrivere il file dei record</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Record: non registrata, è stato usato Suggerimento</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used and an unknown word committed</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Record: non registrata, è stato usato Suggerimento e posata una parola ignota</translation>
    </message>
    <message>
        <source>Records: not entered, the records file could not be read</source>
        <extracomment>Summary line</extracomment>
        <translation>Record: non registrata, non è stato possibile leggere il file dei record</translation>
    </message>
    <message>
        <source>Best word: none</source>
        <extracomment>Summary line when no word was committed</extracomment>
        <translation>Parola migliore: nessuna</translation>
    </message>
    <message numerus="yes">
        <source>Best word: &quot;%1&quot;, %n points</source>
        <extracomment>Summary line: %1 is the word, %n its score</extracomment>
        <translation>
            <numerusform>Parola migliore: &quot;%1&quot;, %n punto</numerusform>
            <numerusform>Parola migliore: &quot;%1&quot;, %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Punteggio finale: %1</translation>
    </message>
    <message>
        <source>Words committed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Parole posate: %1</translation>
    </message>
    <message>
        <source>Letters placed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Lettere collocate: %1</translation>
    </message>
    <message>
        <source>Average score per word: %1</source>
        <extracomment>Summary line: %1 is a number with one decimal, e.g. &quot;12.5&quot;</extracomment>
        <translation>Punteggio medio per parola: %1</translation>
    </message>
    <message>
        <source>Letter changes used: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Cambi di lettera usati: %1</translation>
    </message>
    <message numerus="yes">
        <source>Suggest word used: %n time(s)</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>
            <numerusform>Suggerimento usato: %n volta</numerusform>
            <numerusform>Suggerimento usato: %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>Par: %1, accuracy %2 %</source>
        <extracomment>Summary line: %1 is the par score, %2 the score as a percentage of it</extracomment>
        <translation>Par: %1, precisione %2 %</translation>
    </message>
    <message>
        <source>The old records file could not be read.</source>
        <extracomment>Summary line; the next line names the file the old records were kept in</extracomment>
        <translation>Non è stato possibile leggere il vecchio file dei record.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <extracomment>Summary line: %1 is a file name</extracomment>
        <translation>È stato conservato come %1.</translation>
    </message>
    <message>
        <source>No word was committed.</source>
        <extracomment>Read by a screen reader for the turn chart of a game without words</extracomment>
        <translation>Non è stata posata nessuna parola.</translation>
    </message>
    <message numerus="yes">
        <source>Word %1, %2: %n point(s), best possible %3</source>
        <extracomment>Read by a screen reader for one bar pair of the turn chart: %1 is the turn&apos;s number, %2 the word, %n its score, %3 the best score possible at that turn</extracomment>
        <translation>
            <numerusform>Parola %1, %2: %n punto, massimo possibile %3</numerusform>
            <numerusform>Parola %1, %2: %n punti, massimo possibile %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggest word was used and an unknown word committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>è stato usato Suggerimento e posata una parola ignota</translation>
    </message>
    <message>
        <source>Suggest word was used</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>è stato usato Suggerimento</translation>
    </message>
    <message>
        <source>a word unknown to the words list was committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>è stata posata una parola ignota al lessico</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Installare il programma nella cartella &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This copy of the program was not installed by its installer.
Nothing was deleted.</source>
        <translation>Questa copia del programma non è stata installata dal suo programma di installazione.
Non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Eliminare la cartella &quot;%1&quot; (e tutti i file che contiene)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Disinstallazione completata. Alcuni file in uso non sono stati eliminati.</translation>
    </message>
</context>
<context>
    <name>MyDialogs</name>
    <message>
        <source>Error</source>
        <extracomment>Title of a box that tells of a failure</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a box that tells the player something</extracomment>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Title of a box that warns the player</extracomment>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Query</source>
        <extracomment>Title of a box that asks the player a question</extracomment>
        <translation>Domanda</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version %1, released on %2</source>
        <extracomment>%1 is the version number, %2 the release date, as they stand</extracomment>
        <translation>Versione %1, pubblicata il %2</translation>
    </message>
</context>
<context>
    <name>RunFile</name>
    <message>
        <source>The name of the file is empty.</source>
        <translation>Il nome del file è vuoto.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Score %1; possible score now %2</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score, %2 what the loose letters would add now</extracomment>
        <translation>Punti %1; ora possibili %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score</extracomment>
        <translation>Punti %1</translation>
    </message>
    <message>
        <source>Letter score %1</source>
        <extracomment>Label, 294 px wide: %1 is the points of the letter the mouse points at</extracomment>
        <translation>Valore lettera %1</translation>
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
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One stock slot as spoken: %1 is its number (1 to 7), %2 its letter or &quot;empty&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>Spoken: %1 is the game&apos;s score</extracomment>
        <translation>Punteggio %1.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 up.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads upwards</extracomment>
        <translation>Suggerita %1 da %2 verso l&apos;alto.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 down.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards</extracomment>
        <translation>Suggerita %1 da %2 verso il basso.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 left.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards</extracomment>
        <translation>Suggerita %1 da %2 verso sinistra.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 right.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards</extracomment>
        <translation>Suggerita %1 da %2 verso destra.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>Spoken: %1 is a letter, %2 the square it was put on (&quot;K on H8&quot;)</extracomment>
        <translation>%1 su %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n point(s).</source>
        <extracomment>Spoken: %1 is the word just put on the board</extracomment>
        <translation>
            <numerusform>%1 per %n punto.</numerusform>
            <numerusform>%1 per %n punti.</numerusform>
        </translation>
    </message>
    <message>
        <source>New letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Nuove lettere: %1.</translation>
    </message>
    <message>
        <source>%1 puts the flipped word.</source>
        <extracomment>Spoken: %1 is a key (&quot;Shift+Enter&quot;)</extracomment>
        <translation>%1 posa la parola rovesciata.</translation>
    </message>
    <message>
        <source>%1 puts it on the board.</source>
        <extracomment>Spoken: %1 is a key (&quot;Enter&quot;)</extracomment>
        <translation>%1 la posa sulla tavola.</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Spoken when the board cursor turns to move downwards</extracomment>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Spoken when the board cursor turns to move rightwards</extracomment>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Cursor on %1, moving down.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go downwards from it</extracomment>
        <translation>Cornice su %1, verso il basso.</translation>
    </message>
    <message>
        <source>Cursor on %1, moving right.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go rightwards from it</extracomment>
        <translation>Cornice su %1, verso destra.</translation>
    </message>
    <message>
        <source>Letter changes left: %1.</source>
        <extracomment>Spoken: %1 is how many letter changes are left</extracomment>
        <translation>Cambi di lettera rimasti: %1.</translation>
    </message>
    <message>
        <source>Your letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Le tue lettere: %1.</translation>
    </message>
    <message>
        <source>No loose letters on the board.</source>
        <translation>Nessuna lettera mobile sulla tavola.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Spoken when a word cannot be put because the game has ended</extracomment>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>Move taken back. Your letters: %1.</source>
        <extracomment>Spoken after Undo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Mossa annullata. Le tue lettere: %1.</translation>
    </message>
    <message>
        <source>Move played again. Your letters: %1.</source>
        <extracomment>Spoken after Redo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Mossa ripetuta. Le tue lettere: %1.</translation>
    </message>
</context>
<context>
    <name>StoredTextList</name>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Il file &quot;%1&quot; esiste già.
Sovrascriverlo?</translation>
    </message>
</context>
<context>
    <name>Suggestion</name>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put flipped word&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put flipped word&quot; is a button&apos;s caption</extracomment>
        <translation>Suggerita &quot;%1&quot;: premi &quot;Posa rovesciata&quot;</translation>
    </message>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put word on board&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put word on board&quot; is a button&apos;s caption</extracomment>
        <translation>Suggerita &quot;%1&quot;: premi &quot;Posa la parola&quot;</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <extracomment>Window title</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Written by the Glyphmason developers</source>
        <extracomment>One line, 408 px wide</extracomment>
        <translation>Scritto dagli sviluppatori di Glyphmason</translation>
    </message>
    <message>
        <source>You are welcome on the Glyphmason site: there you find new dictionaries for the game, news of coming versions and the other word games of the Glyphmason project.</source>
        <extracomment>Three lines at most, 408 px wide</extracomment>
        <translation>Ti aspetto sul sito di Glyphmason: lì trovi nuovi dizionari per il gioco, notizie sulle prossime versioni e gli altri giochi di parole del progetto Glyphmason.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <extracomment>Button caption, 128 px wide: opens the project&apos;s home page</extracomment>
        <translation>Visita il mio sito</translation>
    </message>
    <message>
        <source>License terms</source>
        <extracomment>Button caption, 128 px wide: opens the licence page</extracomment>
        <translation>Termini di licenza</translation>
    </message>
    <message>
        <source>Contact me</source>
        <extracomment>Button caption, 128 px wide: opens the page for questions and bug reports</extracomment>
        <translation>Contattami</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 80 px wide</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TBoardAccessible</name>
    <message>
        <source>%1, empty</source>
        <extracomment>Spoken by a screen reader for an empty square; %1 is the square&apos;s name, such as H8</extracomment>
        <translation>%1, vuota</translation>
    </message>
    <message>
        <source>%1, %2, loose</source>
        <extracomment>Spoken by a screen reader for a square with a letter not yet put on the board as part of a word; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, mobile</translation>
    </message>
    <message>
        <source>%1, %2, fixed</source>
        <extracomment>Spoken by a screen reader for a square with a letter of a word already put on the board; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, fissa</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name</extracomment>
        <translation>Tavola</translation>
    </message>
</context>
<context>
    <name>TChooseLetterForm</name>
    <message>
        <source>Choose letter</source>
        <extracomment>Window title</extracomment>
        <translation>Scegli la lettera</translation>
    </message>
    <message>
        <source>Click the letter you want to choose as replacement</source>
        <extracomment>One line under the letters, at most 470 px wide</extracomment>
        <translation>Fai clic sulla lettera che vuoi scegliere come sostituta</translation>
    </message>
    <message>
        <source>Type the letter, or move to it with the arrows and press Enter</source>
        <translation>Digita la lettera, oppure raggiungila con le frecce e premi Enter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Replace %1 in slot %2</source>
        <extracomment>%1 is the letter, %2 the stock slot&apos;s number (1 to 7)</extracomment>
        <translation>Sostituisci %1 nel posto %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Errore all&apos;inizio della funzione</translation>
    </message>
    <message>
        <source>Panic</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Panico</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Catastrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Stato della funzione sconosciuto</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Impossibile installare il programma. Verifica di avere i permessi di scrittura nella cartella di installazione.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Impossibile disinstallare il programma.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Interruzione anomala intercettata.<byte value="xd"/>
Il programma deve essere terminato.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Impossibile caricare il file.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>Failed to load dictionary.</source>
        <translation>Impossibile caricare il dizionario.</translation>
    </message>
    <message>
        <source>Failed to save dictionary.</source>
        <translation>Impossibile salvare il dizionario.</translation>
    </message>
    <message>
        <source>Failed to create new puzzle.</source>
        <translation>Impossibile creare una nuova partita.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Impossibile caricare l&apos;ultima partita.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Impossibile caricare la partita.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Impossibile salvare la partita.</translation>
    </message>
    <message>
        <source>Failed to analyze words list.</source>
        <translation>Impossibile analizzare il lessico.</translation>
    </message>
    <message>
        <source>Failed to suggest a word.</source>
        <translation>Impossibile suggerire una parola.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Impossibile aprire il sito.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Impossibile mostrare la finestra &quot;Informazioni&quot;.</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 104 px wide</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <extracomment>Button caption, 110 px wide: closes the dialog and shows no further errors</extracomment>
        <translation>O&amp;K (nessun errore)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 98 px wide</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <extracomment>Button caption, 220 px wide</extracomment>
        <translation>&amp;Termina subito il programma</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>Button caption, 46 px wide: writes the report to the error log</extracomment>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 46 px wide</extracomment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <extracomment>One line, 324 px wide; %1 counts the errors that came while this one was shown</extracomment>
        <translation>Tentativi ricorsivi = %1</translation>
    </message>
    <message>
        <source>Recursive attempts = None</source>
        <extracomment>One line, 324 px wide</extracomment>
        <translation>Tentativi ricorsivi = nessuno</translation>
    </message>
    <message>
        <source>Failed to copy text to clipboard.</source>
        <translation>Impossibile copiare il testo negli appunti.</translation>
    </message>
    <message>
        <source>Failed to copy report to clipboard.</source>
        <translation>Impossibile copiare il rapporto negli appunti.</translation>
    </message>
    <message>
        <source>Failed to prepare the main window.</source>
        <translation>Impossibile preparare la finestra principale.</translation>
    </message>
</context>
<context>
    <name>TGameOverForm</name>
    <message>
        <source>Game over</source>
        <extracomment>Title of the window that sums up an ended game</extracomment>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Each word&apos;s score (dark) beside the best possible then (light)</source>
        <extracomment>One line, 480 px wide, above the chart of the words&apos; scores; dark and light are the bars&apos; colours</extracomment>
        <translation>Punteggio di ogni parola (scuro) accanto al migliore possibile in quel turno (chiaro)</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TGlyphmasonForm</name>
    <message>
        <source>Words in the words list: none loaded</source>
        <translation>Parole nel lessico: nessun lessico caricato</translation>
    </message>
    <message>
        <source>Letter changes: no game</source>
        <translation>Cambi lettera: nessuna partita</translation>
    </message>
    <message>
        <source>Letter score: no letter pointed at</source>
        <translation>Valore lettera: nessuna lettera indicata</translation>
    </message>
    <message>
        <source>Last word: none</source>
        <translation>Ultima parola: nessuna</translation>
    </message>
    <message>
        <source>Score: none</source>
        <translation>Punti: nessuno</translation>
    </message>
    <message>
        <source>Why no word: nothing to explain</source>
        <translation>Perché nessuna parola: niente da spiegare</translation>
    </message>
    <message>
        <source>End game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Game summary</source>
        <extracomment>Work menu item</extracomment>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Work menu item</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Ctrl+N: new game      Ctrl+Z: continue the last game</source>
        <extracomment>Centred on the empty board; &quot;Ctrl+N&quot; and &quot;Ctrl+Z&quot; are keys and stay as they are</extracomment>
        <translation>Ctrl+N: nuova partita      Ctrl+Z: continua l&apos;ultima partita</translation>
    </message>
    <message>
        <source>Ctrl+N: new game</source>
        <extracomment>Centred on the empty board before the first game; &quot;Ctrl+N&quot; is a key</extracomment>
        <translation>Ctrl+N: nuova partita</translation>
    </message>
    <message>
        <source>No word can be made: change letters.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Non si formano parole: cambia lettere.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <extracomment>Spoken by a screen reader for an empty stock slot; %1 is the slot&apos;s number, 1 to 7</extracomment>
        <translation>%1: vuoto</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n point(s)</source>
        <extracomment>Spoken by a screen reader for a stock slot; %1 is the slot&apos;s number, 1 to 7, %2 its letter</extracomment>
        <translation>
            <numerusform>%1: %2, %n punto</numerusform>
            <numerusform>%1: %2, %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <extracomment>Button caption, 40 px wide; its mnemonic opens the Work menu</extracomment>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Display the &quot;Work&quot; menu</source>
        <extracomment>Hint of the Work button; &quot;Work&quot; is the button&apos;s caption without its &amp;</extracomment>
        <translation>Mostra il menu &quot;Gioco&quot;</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>You can also use &quot;Space&quot; to hide the program</source>
        <extracomment>Hint of the Hide button; &quot;Space&quot; is the key&apos;s name</extracomment>
        <translation>Puoi anche usare &quot;Space&quot; per nascondere il programma</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You can also use &quot;Alt + F4&quot; to close the program</source>
        <extracomment>Hint of the Close button; &quot;Alt + F4&quot; are the keys&apos; names</extracomment>
        <translation>Puoi anche usare &quot;Alt + F4&quot; per chiudere il programma</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>Check box caption, 85 px wide including the box</extracomment>
        <translation>&amp;Tutto sch.</translation>
    </message>
    <message>
        <source>If this is checked, the main window of the program will cover the entire screen. If you check this and the main window looks weird, just restart the program.</source>
        <translation>Se è spuntata, la finestra principale del programma copre l&apos;intero schermo. Se la spunti e la finestra principale ha un aspetto strano, basta riavviare il programma.</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Label left of the columns box; about 50 px fit before the box</extracomment>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Label left of the rows box; about 30 px fit before the box</extracomment>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <extracomment>Label left of the dictionary&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Dizionario</translation>
    </message>
    <message>
        <source>Words list</source>
        <extracomment>Label left of the words list&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Lessico</translation>
    </message>
    <message>
        <source>Automatically add unknown words to words list</source>
        <extracomment>Check box caption, 280 px wide including the box</extracomment>
        <translation>Aggiungi in automatico parole ignote al lessico</translation>
    </message>
    <message>
        <source>The words list is automatically saved when the game is saved, if any words are added to it</source>
        <translation>Il lessico viene salvato automaticamente quando si salva la partita, se vi sono state aggiunte parole</translation>
    </message>
    <message>
        <source>Stock letters</source>
        <extracomment>Frame title above the seven stock letters, 310 px wide</extracomment>
        <translation>Leggio</translation>
    </message>
    <message>
        <source>Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.</source>
        <extracomment>Tip of two lines, 294 px wide; [RMB] is the right mouse button</extracomment>
        <translation>Trascina le lettere tra leggio e tavola per scambiarle o spostarle. Clic destro per cambiare la lettera.</translation>
    </message>
    <message>
        <source>1 to 7 put a letter at the board&apos;s frame; Ctrl+1 to 7 or the Menu key on a focused slot change it</source>
        <extracomment>Spoken by a screen reader; &quot;Ctrl&quot; and &quot;Menu&quot; are key names</extracomment>
        <translation>Da 1 a 7 mettono una lettera nella cornice della tavola; da Ctrl+1 a 7 o il tasto Menu su un posto con il focus la cambiano</translation>
    </message>
    <message>
        <source>New stock letters</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Nuove lettere</translation>
    </message>
    <message>
        <source>Throw away the loose letters and draw seven new stock letters</source>
        <translation>Scarta le lettere mobili ed estrai sette nuove lettere per il leggio</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Frame title above the word&apos;s buttons, 310 px wide</extracomment>
        <translation>Parola</translation>
    </message>
    <message>
        <source>&amp;Put word on board</source>
        <extracomment>Button caption, 115 px wide</extracomment>
        <translation>&amp;Posa la parola</translation>
    </message>
    <message>
        <source>The word must be readable left to right or top to bottom</source>
        <translation>La parola deve leggersi da sinistra a destra o dall&apos;alto in basso</translation>
    </message>
    <message>
        <source>Put flipped word</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Posa rovesciata</translation>
    </message>
    <message>
        <source>The word must be readable right to left or bottom to top</source>
        <translation>La parola deve leggersi da destra a sinistra o dal basso in alto</translation>
    </message>
    <message>
        <source>Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) must form only one word.</source>
        <extracomment>Tip of three lines at most, 270 px wide</extracomment>
        <translation>Premi un pulsante per posare definitivamente la parola sulla tavola. Tutte le lettere mobili (e quelle che toccano) devono formare una sola parola.</translation>
    </message>
    <message>
        <source>Enter puts the word on the board, Shift+Enter the flipped word</source>
        <extracomment>Spoken by a screen reader; &quot;Enter&quot; and &quot;Shift&quot; are key names</extracomment>
        <translation>Enter posa la parola sulla tavola, Shift+Enter la parola rovesciata</translation>
    </message>
    <message>
        <source>Allow unknown words</source>
        <extracomment>Check box caption, 140 px wide including the box</extracomment>
        <translation>Accetta parole ignote</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Frame title above the board</extracomment>
        <translation>Tavola</translation>
    </message>
    <message>
        <source>Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, &quot;/&quot; turns it between right and down; Backspace and Delete take letters back; Enter puts the word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your letters, the score and the frame&apos;s square aloud.</source>
        <extracomment>Hint of the board; &quot;/&quot; and &quot;R&quot; are the keys themselves and stay as they are</extracomment>
        <translation>Tasti: da 1 a 7 mettono quella lettera del leggio nella cornice; le frecce spostano la cornice, &quot;/&quot; la gira tra destra e basso; Backspace e Delete riprendono le lettere; Enter posa la parola, Shift+Enter la parola rovesciata; da Ctrl+1 a Ctrl+7 cambiano una lettera del leggio. R legge ad alta voce le tue lettere, il punteggio e la casella della cornice.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Load dictionary</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Apri dizionario</translation>
    </message>
    <message>
        <source>Load last game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Ultima partita</translation>
    </message>
    <message>
        <source>Load game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Analyze words list</source>
        <extracomment>Work menu item</extracomment>
        <translation>Analizza lessico</translation>
    </message>
    <message>
        <source>Suggest word</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Spoken by a screen reader: the panel of the Work, Help and About buttons</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Board size and dictionary</source>
        <extracomment>Spoken by a screen reader: the panel of the board size and the dictionary</extracomment>
        <translation>Dimensioni della tavola e dizionario</translation>
    </message>
    <message>
        <source>Letters and word</source>
        <extracomment>Spoken by a screen reader: the panel of the stock letters and the word</extracomment>
        <translation>Lettere e parola</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>spoken name</comment>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>spoken name</comment>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <comment>spoken name</comment>
        <translation>Dizionario</translation>
    </message>
    <message>
        <source>Words list</source>
        <comment>spoken name</comment>
        <translation>Lessico</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Glyphmason Help</source>
        <extracomment>Title of the help window; Glyphmason is the program&apos;s name</extracomment>
        <translation>Guida di Glyphmason</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the help file&apos;s path</extracomment>
        <translation>Impossibile aprire il file della guida &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>Install</source>
        <extracomment>Window title</extracomment>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <extracomment>Four lines at most, 384 px wide</extracomment>
        <translation>Il programma si può reinstallare senza disinstallare prima la versione precedente. Il file delle opzioni esistente viene conservato. Per riparare l&apos;installazione basta reinstallare il programma. Prima di continuare, chiudi ogni copia del programma in esecuzione.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Button caption, 80 px wide: picks the folder to install in</extracomment>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Installa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Install %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Installazione di %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Benvenuto in %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>La cartella di installazione del programma verrà creata in:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Disinstallazione di %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>%1 ti saluta</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Verrà eliminata la cartella seguente:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Disinstalla</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>Place</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Best word</source>
        <translation>Parola migliore</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the window of the best games
----------
Spoken by a screen reader: the table of the best games</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Dictionary and board size</source>
        <extracomment>Label left of the list of record tables, 150 px wide</extracomment>
        <translation>Dizionario e tavola</translation>
    </message>
    <message>
        <source>Bold, with *: the newest record</source>
        <extracomment>One line, 300 px wide, below the table; &quot;*&quot; is the mark beside the newest record&apos;s place</extracomment>
        <translation>In grassetto, con *: il record più recente</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TStockAccessible</name>
    <message>
        <source>Puts the letter at the board&apos;s frame</source>
        <extracomment>Spoken by a screen reader: what pressing a stock slot does</extracomment>
        <translation>Mette la lettera nella cornice della tavola</translation>
    </message>
</context>
<context>
    <name>TTurnChart</name>
    <message>
        <source>No word was committed.</source>
        <extracomment>Centred in the chart of the words&apos; scores, 480 px wide, when the game had no word</extracomment>
        <translation>Non è stata posata nessuna parola.</translation>
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
        <translation>Valore intero fuori dai limiti.
Verrà impostato al valore predefinito.
    * Minimo = %1
    * Massimo = %2
    * Predefinito = %3</translation>
    </message>
    <message>
        <source>There is no text to copy to clipboard.</source>
        <translation>Non c&apos;è nessun testo da copiare negli appunti.</translation>
    </message>
</context>
<context>
    <name>WordRule</name>
    <message>
        <source>The loose letters are not in one row or one column.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Le lettere mobili non sono su una sola riga o colonna.</translation>
    </message>
    <message>
        <source>One letter alone makes no word: put it next to a letter.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Una lettera da sola non fa una parola: mettila accanto a un&apos;altra lettera.</translation>
    </message>
    <message>
        <source>The letter touches letters on more than one side.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>La lettera tocca altre lettere su più di un lato.</translation>
    </message>
    <message>
        <source>A loose letter touches letters across the word.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Una lettera mobile tocca altre lettere ai lati della parola.</translation>
    </message>
    <message>
        <source>The loose letters leave a gap.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Le lettere mobili lasciano un buco.</translation>
    </message>
    <message>
        <source>The word does not run through a letter already on the board.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>La parola non passa per una lettera già sulla tavola.</translation>
    </message>
</context>
<context>
    <name>WordsList</name>
    <message numerus="yes">
        <source>There are %n words in the words list; new words.</source>
        <extracomment>Label, 290 px wide; &quot;new words&quot;: words the player added, not yet saved</extracomment>
        <translation>
            <numerusform>Il lessico contiene %n parola; parole nuove.</numerusform>
            <numerusform>Il lessico contiene %n parole; parole nuove.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n words in the words list.</source>
        <extracomment>Label, 290 px wide</extracomment>
        <translation>
            <numerusform>Il lessico contiene %n parola.</numerusform>
            <numerusform>Il lessico contiene %n parole.</numerusform>
        </translation>
    </message>
</context>
</TS>
