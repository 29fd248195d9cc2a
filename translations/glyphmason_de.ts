<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Number of words, by word length (regardless of containing characters): </source>
        <extracomment>Heading in the words-list analysis report; the lines below list the words by length</extracomment>
        <translation>Anzahl der Wörter nach Wortlänge (unabhängig von den enthaltenen Zeichen): </translation>
    </message>
    <message numerus="yes">
        <source>* %1 letters = %n words</source>
        <extracomment>Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it</extracomment>
        <translation>
            <numerusform>* %1 Buchstaben = %n Wort</numerusform>
            <numerusform>* %1 Buchstaben = %n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>* Other lengths = %1</source>
        <extracomment>Line of the analysis report: %1 is how many words have a length of 1 or above 10</extracomment>
        <translation>* Andere Längen = %1</translation>
    </message>
    <message>
        <source>Alphabet and letter probabilities (between 1 and %1 for each): </source>
        <extracomment>Heading in the words-list analysis report: %1 is the highest weight a letter can get</extracomment>
        <translation>Alphabet und Gewichte der Buchstaben (jeweils zwischen 1 und %1): </translation>
    </message>
    <message>
        <source>ANALYSIS REPORT</source>
        <extracomment>Title of the words-list analysis report, which the player pastes from the clipboard</extracomment>
        <translation>ANALYSEBERICHT</translation>
    </message>
    <message>
        <source>Letters (within the alphabet) = %1</source>
        <extracomment>Line of the analysis report: %1 is how many letters of the words are in the alphabet</extracomment>
        <translation>Buchstaben (im Alphabet) = %1</translation>
    </message>
    <message>
        <source>Characters outside the alphabet = %1</source>
        <extracomment>Line of the analysis report: %1 is how many characters of the words are not in the alphabet</extracomment>
        <translation>Zeichen außerhalb des Alphabets = %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>There is no such dictionary.</source>
        <translation>Dieses Wörterbuch gibt es nicht.</translation>
    </message>
    <message>
        <source>There aren&apos;t enough active letters to form an alphabet. 
Change the dictionary!</source>
        <translation>Es gibt nicht genug aktive Buchstaben für ein Alphabet. 
Ändern Sie das Wörterbuch!</translation>
    </message>
    <message>
        <source>There are not enough words in the words list
to automatically calculate letter probabilities.</source>
        <translation>Die Wortliste enthält nicht genug Wörter,
um die Gewichte der Buchstaben automatisch zu berechnen.</translation>
    </message>
</context>
<context>
    <name>DirectoryTree</name>
    <message>
        <source>Failed to process directory.</source>
        <translation>Der Ordner konnte nicht verarbeitet werden.</translation>
    </message>
</context>
<context>
    <name>FunStatContext</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Das Fehlerfenster ist nicht erstellt. Sie müssen es erstellen.</translation>
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
        <translation>Verfügbare Wechsel %1</translation>
    </message>
    <message>
        <source>Last word is in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word just put on the board</extracomment>
        <translation>Letztes Wort steht in der Wortliste: „%1“</translation>
    </message>
    <message>
        <source>Last word was NOT in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word the player tried to put</extracomment>
        <translation>Letztes Wort steht NICHT in der Wortliste: „%1“</translation>
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
        <translation>Glyphmason-Spiel (*.gmg)</translation>
    </message>
    <message>
        <source>Glyphmason dictionary (*.gmd)</source>
        <extracomment>File type in the dialog that opens a dictionary</extracomment>
        <translation>Glyphmason-Wörterbuch (*.gmd)</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Das Spiel wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>There is nothing to analyze.</source>
        <translation>Es gibt nichts zu analysieren.</translation>
    </message>
    <message>
        <source>Analysis report was successfully copied to clipboard.</source>
        <translation>Der Analysebericht wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The stock letters make no word of the words list here.</source>
        <translation>Die Vorratsbuchstaben ergeben hier kein Wort der Wortliste.</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Dieses Spiel beenden?</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>Records: not entered, a move was undone</source>
        <extracomment>Summary line: no record was entered because a move was taken back</extracomment>
        <translation>Rekorde: nicht eingetragen, ein Zug wurde rückgängig gemacht</translation>
    </message>
    <message>
        <source>Records: not entered, a move was undone, and %1</source>
        <extracomment>Summary line: %1 is a further reason, e.g. &quot;Suggest word was used&quot;</extracomment>
        <translation>Rekorde: nicht eingetragen, ein Zug wurde rückgängig gemacht und %1</translation>
    </message>
    <message>
        <source>Records: place %1 of the ten best for %2</source>
        <extracomment>Summary line: %1 is the rank (1 to 10), %2 the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Rekorde: Platz %1 unter den zehn besten für %2</translation>
    </message>
    <message>
        <source>Records: not among the ten best for %1</source>
        <extracomment>Summary line: %1 is the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Rekorde: nicht unter den zehn besten für %1</translation>
    </message>
    <message>
        <source>Records: not entered, a word unknown to the words list was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Rekorde: nicht eingetragen, ein Wort wurde gelegt, das die Wortliste nicht kennt</translation>
    </message>
    <message>
        <source>Records: not entered, no word was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Rekorde: nicht eingetragen, es wurde kein Wort gelegt</translation>
    </message>
    <message>
        <source>Records: place %1, but the records file could not be written</source>
        <extracomment>Summary line: %1 is the rank (1 to 10) the game would have had</extracomment>
        <translation>Rekorde: Platz %1, aber die Rekorddatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Rekorde: nicht eingetragen, Wortvorschlag wurde benutzt</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used and an unknown word committed</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Rekorde: nicht eingetragen, Wortvorschlag wurde benutzt und ein unbekanntes Wort gelegt</translation>
    </message>
    <message>
        <source>Records: not entered, the records file could not be read</source>
        <extracomment>Summary line</extracomment>
        <translation>Rekorde: nicht eingetragen, die Rekorddatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Best word: none</source>
        <extracomment>Summary line when no word was committed</extracomment>
        <translation>Bestes Wort: keines</translation>
    </message>
    <message numerus="yes">
        <source>Best word: &quot;%1&quot;, %n points</source>
        <extracomment>Summary line: %1 is the word, %n its score</extracomment>
        <translation>
            <numerusform>Bestes Wort: „%1“, %n Punkt</numerusform>
            <numerusform>Bestes Wort: „%1“, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Endpunktzahl: %1</translation>
    </message>
    <message>
        <source>Words committed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Gelegte Wörter: %1</translation>
    </message>
    <message>
        <source>Letters placed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Gesetzte Buchstaben: %1</translation>
    </message>
    <message>
        <source>Average score per word: %1</source>
        <extracomment>Summary line: %1 is a number with one decimal, e.g. &quot;12.5&quot;</extracomment>
        <translation>Durchschnitt pro Wort: %1</translation>
    </message>
    <message>
        <source>Letter changes used: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Verbrauchte Wechsel: %1</translation>
    </message>
    <message numerus="yes">
        <source>Suggest word used: %n time(s)</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>
            <numerusform>Wortvorschlag benutzt: %n-mal</numerusform>
            <numerusform>Wortvorschlag benutzt: %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>Par: %1, accuracy %2 %</source>
        <extracomment>Summary line: %1 is the par score, %2 the score as a percentage of it</extracomment>
        <translation>Par: %1, Genauigkeit %2 %</translation>
    </message>
    <message>
        <source>The old records file could not be read.</source>
        <extracomment>Summary line; the next line names the file the old records were kept in</extracomment>
        <translation>Die alte Rekorddatei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <extracomment>Summary line: %1 is a file name</extracomment>
        <translation>Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>No word was committed.</source>
        <extracomment>Read by a screen reader for the turn chart of a game without words</extracomment>
        <translation>Es wurde kein Wort gelegt.</translation>
    </message>
    <message numerus="yes">
        <source>Word %1, %2: %n point(s), best possible %3</source>
        <extracomment>Read by a screen reader for one bar pair of the turn chart: %1 is the turn&apos;s number, %2 the word, %n its score, %3 the best score possible at that turn</extracomment>
        <translation>
            <numerusform>Wort %1, %2: %n Punkt, bestmöglich %3</numerusform>
            <numerusform>Wort %1, %2: %n Punkte, bestmöglich %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggest word was used and an unknown word committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Wortvorschlag wurde benutzt und ein unbekanntes Wort gelegt</translation>
    </message>
    <message>
        <source>Suggest word was used</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Wortvorschlag wurde benutzt</translation>
    </message>
    <message>
        <source>a word unknown to the words list was committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>ein Wort wurde gelegt, das die Wortliste nicht kennt</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Das Programm im Ordner „%1“ installieren?</translation>
    </message>
    <message>
        <source>This copy of the program was not installed by its installer.
Nothing was deleted.</source>
        <translation>Diese Kopie des Programms wurde nicht von seinem Installationsprogramm installiert.
Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Den Ordner „%1“ (mit allen darin enthaltenen Dateien) löschen?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Deinstallation erfolgreich. Einige Dateien, die noch in Gebrauch waren, wurden nicht gelöscht.</translation>
    </message>
</context>
<context>
    <name>MyDialogs</name>
    <message>
        <source>Error</source>
        <extracomment>Title of a box that tells of a failure</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a box that tells the player something</extracomment>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Title of a box that warns the player</extracomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Query</source>
        <extracomment>Title of a box that asks the player a question</extracomment>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version %1, released on %2</source>
        <extracomment>%1 is the version number, %2 the release date, as they stand</extracomment>
        <translation>Version %1, veröffentlicht am %2</translation>
    </message>
</context>
<context>
    <name>RunFile</name>
    <message>
        <source>The name of the file is empty.</source>
        <translation>Der Dateiname ist leer.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Score %1; possible score now %2</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score, %2 what the loose letters would add now</extracomment>
        <translation>Punkte %1; jetzt möglich %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score</extracomment>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Letter score %1</source>
        <extracomment>Label, 294 px wide: %1 is the points of the letter the mouse points at</extracomment>
        <translation>Buchstabenwert %1</translation>
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
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One stock slot as spoken: %1 is its number (1 to 7), %2 its letter or &quot;empty&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>Spoken: %1 is the game&apos;s score</extracomment>
        <translation>Punktzahl %1.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 up.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads upwards</extracomment>
        <translation>Vorschlag %1 ab %2 nach oben.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 down.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards</extracomment>
        <translation>Vorschlag %1 ab %2 nach unten.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 left.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards</extracomment>
        <translation>Vorschlag %1 ab %2 nach links.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 right.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards</extracomment>
        <translation>Vorschlag %1 ab %2 nach rechts.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>Spoken: %1 is a letter, %2 the square it was put on (&quot;K on H8&quot;)</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n point(s).</source>
        <extracomment>Spoken: %1 is the word just put on the board</extracomment>
        <translation>
            <numerusform>%1 für %n Punkt.</numerusform>
            <numerusform>%1 für %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>New letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Neue Buchstaben: %1.</translation>
    </message>
    <message>
        <source>%1 puts the flipped word.</source>
        <extracomment>Spoken: %1 is a key (&quot;Shift+Enter&quot;)</extracomment>
        <translation>%1 legt das Wort rückwärts.</translation>
    </message>
    <message>
        <source>%1 puts it on the board.</source>
        <extracomment>Spoken: %1 is a key (&quot;Enter&quot;)</extracomment>
        <translation>%1 legt es auf das Brett.</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Spoken when the board cursor turns to move downwards</extracomment>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Spoken when the board cursor turns to move rightwards</extracomment>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Cursor on %1, moving down.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go downwards from it</extracomment>
        <translation>Rahmen auf %1, rückt nach unten.</translation>
    </message>
    <message>
        <source>Cursor on %1, moving right.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go rightwards from it</extracomment>
        <translation>Rahmen auf %1, rückt nach rechts.</translation>
    </message>
    <message>
        <source>Letter changes left: %1.</source>
        <extracomment>Spoken: %1 is how many letter changes are left</extracomment>
        <translation>Verbleibende Buchstabenwechsel: %1.</translation>
    </message>
    <message>
        <source>Your letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Ihre Buchstaben: %1.</translation>
    </message>
    <message>
        <source>No loose letters on the board.</source>
        <translation>Keine losen Buchstaben auf dem Brett.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Spoken when a word cannot be put because the game has ended</extracomment>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>Move taken back. Your letters: %1.</source>
        <extracomment>Spoken after Undo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Zug zurückgenommen. Ihre Buchstaben: %1.</translation>
    </message>
    <message>
        <source>Move played again. Your letters: %1.</source>
        <extracomment>Spoken after Redo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Zug wiederholt. Ihre Buchstaben: %1.</translation>
    </message>
</context>
<context>
    <name>StoredTextList</name>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Die Datei „%1“ existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>Suggestion</name>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put flipped word&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put flipped word&quot; is a button&apos;s caption</extracomment>
        <translation>Vorschlag „%1“: „Rückwärts legen“ klicken</translation>
    </message>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put word on board&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put word on board&quot; is a button&apos;s caption</extracomment>
        <translation>Vorschlag „%1“: „Wort legen“ klicken</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <extracomment>Window title</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Written by the Glyphmason developers</source>
        <extracomment>One line, 408 px wide</extracomment>
        <translation>Geschrieben von den Glyphmason-Entwicklern</translation>
    </message>
    <message>
        <source>You are welcome on the Glyphmason site: there you find new dictionaries for the game, news of coming versions and the other word games of the Glyphmason project.</source>
        <extracomment>Three lines at most, 408 px wide</extracomment>
        <translation>Willkommen auf der Glyphmason-Website: Dort finden Sie neue Wörterbücher für das Spiel, Neuigkeiten über kommende Versionen und die anderen Wortspiele des Glyphmason-Projekts.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <extracomment>Button caption, 128 px wide: opens the project&apos;s home page</extracomment>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>License terms</source>
        <extracomment>Button caption, 128 px wide: opens the licence page</extracomment>
        <translation>Lizenzbedingungen</translation>
    </message>
    <message>
        <source>Contact me</source>
        <extracomment>Button caption, 128 px wide: opens the page for questions and bug reports</extracomment>
        <translation>Kontakt</translation>
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
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1, %2, loose</source>
        <extracomment>Spoken by a screen reader for a square with a letter not yet put on the board as part of a word; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, lose</translation>
    </message>
    <message>
        <source>%1, %2, fixed</source>
        <extracomment>Spoken by a screen reader for a square with a letter of a word already put on the board; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, fest</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name</extracomment>
        <translation>Brett</translation>
    </message>
</context>
<context>
    <name>TChooseLetterForm</name>
    <message>
        <source>Choose letter</source>
        <extracomment>Window title</extracomment>
        <translation>Buchstabenwahl</translation>
    </message>
    <message>
        <source>Click the letter you want to choose as replacement</source>
        <extracomment>One line under the letters, at most 470 px wide</extracomment>
        <translation>Klicken Sie auf den Buchstaben, den Sie als Ersatz wählen möchten</translation>
    </message>
    <message>
        <source>Type the letter, or move to it with the arrows and press Enter</source>
        <translation>Tippen Sie den Buchstaben, oder gehen Sie mit den Pfeiltasten dorthin und drücken Sie Enter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Replace %1 in slot %2</source>
        <extracomment>%1 is the letter, %2 the stock slot&apos;s number (1 to 7)</extracomment>
        <translation>%1 auf Platz %2 ersetzen</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Fehler beim Funktionsbeginn</translation>
    </message>
    <message>
        <source>Panic</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Panik</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Katastrophe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Unbekannter Funktionsstatus</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Das Programm konnte nicht installiert werden. Prüfen Sie, ob Sie im Installationsordner schreiben dürfen.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Das Programm konnte nicht deinstalliert werden.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Abbruch abgefangen.<byte value="xd"/>
Das Programm muss beendet werden.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Die Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to load dictionary.</source>
        <translation>Das Wörterbuch konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save dictionary.</source>
        <translation>Das Wörterbuch konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to create new puzzle.</source>
        <translation>Das neue Spiel konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Das letzte Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Das Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Das Spiel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to analyze words list.</source>
        <translation>Die Wortliste konnte nicht analysiert werden.</translation>
    </message>
    <message>
        <source>Failed to suggest a word.</source>
        <translation>Es konnte kein Wort vorgeschlagen werden.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Die Website konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Das Fenster „Info“ konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 104 px wide</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <extracomment>Button caption, 110 px wide: closes the dialog and shows no further errors</extracomment>
        <translation>O&amp;K (keine Fehler)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 98 px wide</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <extracomment>Button caption, 220 px wide</extracomment>
        <translation>Programm sofort &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>Button caption, 46 px wide: writes the report to the error log</extracomment>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 46 px wide</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Ausführung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <extracomment>One line, 324 px wide; %1 counts the errors that came while this one was shown</extracomment>
        <translation>Rekursive Versuche = %1</translation>
    </message>
    <message>
        <source>Recursive attempts = None</source>
        <extracomment>One line, 324 px wide</extracomment>
        <translation>Rekursive Versuche = keine</translation>
    </message>
    <message>
        <source>Failed to copy text to clipboard.</source>
        <translation>Der Text konnte nicht in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <source>Failed to copy report to clipboard.</source>
        <translation>Der Bericht konnte nicht in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <source>Failed to prepare the main window.</source>
        <translation>Das Hauptfenster konnte nicht vorbereitet werden.</translation>
    </message>
</context>
<context>
    <name>TGameOverForm</name>
    <message>
        <source>Game over</source>
        <extracomment>Title of the window that sums up an ended game</extracomment>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Each word&apos;s score (dark) beside the best possible then (light)</source>
        <extracomment>One line, 480 px wide, above the chart of the words&apos; scores; dark and light are the bars&apos; colours</extracomment>
        <translation>Punkte jedes Wortes (dunkel) neben den in diesem Zug bestmöglichen (hell)</translation>
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
        <translation>Wörter in der Wortliste: keine geladen</translation>
    </message>
    <message>
        <source>Letter changes: no game</source>
        <translation>Wechsel: kein Spiel</translation>
    </message>
    <message>
        <source>Letter score: no letter pointed at</source>
        <translation>Buchstabenwert: kein Buchstabe unter der Maus</translation>
    </message>
    <message>
        <source>Last word: none</source>
        <translation>Letztes Wort: keines</translation>
    </message>
    <message>
        <source>Score: none</source>
        <translation>Punkte: keine</translation>
    </message>
    <message>
        <source>Why no word: nothing to explain</source>
        <translation>Warum kein Wort: nichts zu erklären</translation>
    </message>
    <message>
        <source>End game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Game summary</source>
        <extracomment>Work menu item</extracomment>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Work menu item</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Ctrl+N: new game      Ctrl+Z: continue the last game</source>
        <extracomment>Centred on the empty board; &quot;Ctrl+N&quot; and &quot;Ctrl+Z&quot; are keys and stay as they are</extracomment>
        <translation>Ctrl+N: neues Spiel      Ctrl+Z: letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Ctrl+N: new game</source>
        <extracomment>Centred on the empty board before the first game; &quot;Ctrl+N&quot; is a key</extracomment>
        <translation>Ctrl+N: neues Spiel</translation>
    </message>
    <message>
        <source>No word can be made: change letters.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Kein Wort möglich: Buchstaben wechseln.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <extracomment>Spoken by a screen reader for an empty stock slot; %1 is the slot&apos;s number, 1 to 7</extracomment>
        <translation>%1: leer</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n point(s)</source>
        <extracomment>Spoken by a screen reader for a stock slot; %1 is the slot&apos;s number, 1 to 7, %2 its letter</extracomment>
        <translation>
            <numerusform>%1: %2, %n Punkt</numerusform>
            <numerusform>%1: %2, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <extracomment>Button caption, 40 px wide; its mnemonic opens the Work menu</extracomment>
        <translation>S&amp;piel</translation>
    </message>
    <message>
        <source>Display the &quot;Work&quot; menu</source>
        <extracomment>Hint of the Work button; &quot;Work&quot; is the button&apos;s caption without its &amp;</extracomment>
        <translation>Das Menü „Spiel“ anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>You can also use &quot;Space&quot; to hide the program</source>
        <extracomment>Hint of the Hide button; &quot;Space&quot; is the key&apos;s name</extracomment>
        <translation>Sie können das Programm auch mit der Leertaste („Space“) ausblenden</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>You can also use &quot;Alt + F4&quot; to close the program</source>
        <extracomment>Hint of the Close button; &quot;Alt + F4&quot; are the keys&apos; names</extracomment>
        <translation>Sie können das Programm auch mit „Alt + F4“ schließen</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>Check box caption, 85 px wide including the box</extracomment>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>If this is checked, the main window of the program will cover the entire screen. If you check this and the main window looks weird, just restart the program.</source>
        <translation>Wenn dies angekreuzt ist, bedeckt das Hauptfenster des Programms den ganzen Bildschirm. Sieht das Hauptfenster danach seltsam aus, starten Sie das Programm einfach neu.</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Label left of the columns box; about 50 px fit before the box</extracomment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Label left of the rows box; about 30 px fit before the box</extracomment>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <extracomment>Label left of the dictionary&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Wörterb.</translation>
    </message>
    <message>
        <source>Words list</source>
        <extracomment>Label left of the words list&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Automatically add unknown words to words list</source>
        <extracomment>Check box caption, 280 px wide including the box</extracomment>
        <translation>Unbekannte Wörter in die Wortliste aufnehmen</translation>
    </message>
    <message>
        <source>The words list is automatically saved when the game is saved, if any words are added to it</source>
        <translation>Wurden Wörter in die Wortliste aufgenommen, wird sie beim Speichern des Spiels automatisch mitgespeichert</translation>
    </message>
    <message>
        <source>Stock letters</source>
        <extracomment>Frame title above the seven stock letters, 310 px wide</extracomment>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.</source>
        <extracomment>Tip of two lines, 294 px wide; [RMB] is the right mouse button</extracomment>
        <translation>Ziehen Sie Buchstaben zwischen Vorrat und Brett hin und her. [Rechtsklick] wechselt einen Buchstaben.</translation>
    </message>
    <message>
        <source>1 to 7 put a letter at the board&apos;s frame; Ctrl+1 to 7 or the Menu key on a focused slot change it</source>
        <extracomment>Spoken by a screen reader; &quot;Ctrl&quot; and &quot;Menu&quot; are key names</extracomment>
        <translation>1 bis 7 setzen einen Buchstaben in den Rahmen auf dem Brett; Ctrl+1 bis 7 oder die Taste Menu auf einem Platz mit Fokus wechseln ihn</translation>
    </message>
    <message>
        <source>New stock letters</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Neue Buchstaben</translation>
    </message>
    <message>
        <source>Throw away the loose letters and draw seven new stock letters</source>
        <translation>Die losen Buchstaben verwerfen und sieben neue Vorratsbuchstaben ziehen</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Frame title above the word&apos;s buttons, 310 px wide</extracomment>
        <translation>Wort</translation>
    </message>
    <message>
        <source>&amp;Put word on board</source>
        <extracomment>Button caption, 115 px wide</extracomment>
        <translation>&amp;Wort legen</translation>
    </message>
    <message>
        <source>The word must be readable left to right or top to bottom</source>
        <translation>Das Wort muss von links nach rechts oder von oben nach unten zu lesen sein</translation>
    </message>
    <message>
        <source>Put flipped word</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Rückwärts legen</translation>
    </message>
    <message>
        <source>The word must be readable right to left or bottom to top</source>
        <translation>Das Wort muss von rechts nach links oder von unten nach oben zu lesen sein</translation>
    </message>
    <message>
        <source>Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) must form only one word.</source>
        <extracomment>Tip of three lines at most, 270 px wide</extracomment>
        <translation>Eine Schaltfläche legt das Wort fest auf das Brett. Alle losen Buchstaben (mit den Buchstaben, die sie berühren) müssen genau ein Wort ergeben.</translation>
    </message>
    <message>
        <source>Enter puts the word on the board, Shift+Enter the flipped word</source>
        <extracomment>Spoken by a screen reader; &quot;Enter&quot; and &quot;Shift&quot; are key names</extracomment>
        <translation>Enter legt das Wort auf das Brett, Shift+Enter legt es rückwärts</translation>
    </message>
    <message>
        <source>Allow unknown words</source>
        <extracomment>Check box caption, 140 px wide including the box</extracomment>
        <translation>Jedes Wort erlauben</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Frame title above the board</extracomment>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, &quot;/&quot; turns it between right and down; Backspace and Delete take letters back; Enter puts the word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your letters, the score and the frame&apos;s square aloud.</source>
        <extracomment>Hint of the board; &quot;/&quot; and &quot;R&quot; are the keys themselves and stay as they are</extracomment>
        <translation>Tasten: 1 bis 7 setzen diesen Vorratsbuchstaben in den Rahmen; die Pfeiltasten bewegen den Rahmen, „/“ schaltet ihn zwischen rechts und unten um; Backspace und Delete nehmen Buchstaben zurück; Enter legt das Wort, Shift+Enter das Wort rückwärts; Ctrl+1 bis Ctrl+7 wechseln einen Vorratsbuchstaben. R liest Ihre Buchstaben, die Punktzahl und das Feld des Rahmens vor.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load dictionary</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Wörterbuch laden</translation>
    </message>
    <message>
        <source>Load last game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Letztes Spiel</translation>
    </message>
    <message>
        <source>Load game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Analyze words list</source>
        <extracomment>Work menu item</extracomment>
        <translation>Wortliste analysieren</translation>
    </message>
    <message>
        <source>Suggest word</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Wortvorschlag</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Spoken by a screen reader: the panel of the Work, Help and About buttons</extracomment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Board size and dictionary</source>
        <extracomment>Spoken by a screen reader: the panel of the board size and the dictionary</extracomment>
        <translation>Brettgröße und Wörterbuch</translation>
    </message>
    <message>
        <source>Letters and word</source>
        <extracomment>Spoken by a screen reader: the panel of the stock letters and the word</extracomment>
        <translation>Buchstaben und Wort</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>spoken name</comment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>spoken name</comment>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <comment>spoken name</comment>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <source>Words list</source>
        <comment>spoken name</comment>
        <translation>Wortliste</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Glyphmason Help</source>
        <extracomment>Title of the help window; Glyphmason is the program&apos;s name</extracomment>
        <translation>Glyphmason-Hilfe</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the help file&apos;s path</extracomment>
        <translation>Die Hilfedatei „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>Install</source>
        <extracomment>Window title</extracomment>
        <translation>Installation</translation>
    </message>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <extracomment>Four lines at most, 384 px wide</extracomment>
        <translation>Das Programm kann neu installiert werden, ohne die vorige Version zu deinstallieren. Die vorhandene Optionsdatei bleibt erhalten. Um das installierte Paket zu reparieren, installieren Sie das Programm einfach neu. Schließen Sie vorher alle laufenden Exemplare des Programms.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Button caption, 80 px wide: picks the folder to install in</extracomment>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Install %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>%1 installieren</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>%1 begrüßt Sie</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Der Programmordner wird in diesem Ordner angelegt:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Tschüss von %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Folgender Ordner wird gelöscht:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>Dei&amp;nstallieren</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Best word</source>
        <translation>Bestes Wort</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the window of the best games
----------
Spoken by a screen reader: the table of the best games</extracomment>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Dictionary and board size</source>
        <extracomment>Label left of the list of record tables, 150 px wide</extracomment>
        <translation>Wörterbuch und Brettgröße</translation>
    </message>
    <message>
        <source>Bold, with *: the newest record</source>
        <extracomment>One line, 300 px wide, below the table; &quot;*&quot; is the mark beside the newest record&apos;s place</extracomment>
        <translation>Fett, mit *: der neueste Rekord</translation>
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
        <translation>Setzt den Buchstaben in den Rahmen auf dem Brett</translation>
    </message>
</context>
<context>
    <name>TTurnChart</name>
    <message>
        <source>No word was committed.</source>
        <extracomment>Centred in the chart of the words&apos; scores, 480 px wide, when the game had no word</extracomment>
        <translation>Es wurde kein Wort gelegt.</translation>
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
        <translation>Ganzzahl außerhalb der Grenzen.
Sie wird auf den Standardwert gesetzt.
    * Minimum = %1
    * Maximum = %2
    * Standard = %3</translation>
    </message>
    <message>
        <source>There is no text to copy to clipboard.</source>
        <translation>Es gibt keinen Text, der in die Zwischenablage kopiert werden kann.</translation>
    </message>
</context>
<context>
    <name>WordRule</name>
    <message>
        <source>The loose letters are not in one row or one column.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Die losen Buchstaben stehen nicht in einer Zeile oder Spalte.</translation>
    </message>
    <message>
        <source>One letter alone makes no word: put it next to a letter.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Ein Buchstabe allein ist kein Wort: Setzen Sie ihn neben einen Buchstaben.</translation>
    </message>
    <message>
        <source>The letter touches letters on more than one side.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Der Buchstabe berührt Buchstaben auf mehr als einer Seite.</translation>
    </message>
    <message>
        <source>A loose letter touches letters across the word.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Ein loser Buchstabe berührt Buchstaben quer zum Wort.</translation>
    </message>
    <message>
        <source>The loose letters leave a gap.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Die losen Buchstaben lassen eine Lücke.</translation>
    </message>
    <message>
        <source>The word does not run through a letter already on the board.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Das Wort verläuft durch keinen Buchstaben, der schon auf dem Brett liegt.</translation>
    </message>
</context>
<context>
    <name>WordsList</name>
    <message numerus="yes">
        <source>There are %n words in the words list; new words.</source>
        <extracomment>Label, 290 px wide; &quot;new words&quot;: words the player added, not yet saved</extracomment>
        <translation>
            <numerusform>Die Wortliste enthält %n Wort; neue Wörter.</numerusform>
            <numerusform>Die Wortliste enthält %n Wörter; neue Wörter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n words in the words list.</source>
        <extracomment>Label, 290 px wide</extracomment>
        <translation>
            <numerusform>Die Wortliste enthält %n Wort.</numerusform>
            <numerusform>Die Wortliste enthält %n Wörter.</numerusform>
        </translation>
    </message>
</context>
</TS>
