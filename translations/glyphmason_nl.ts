<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Number of words, by word length (regardless of containing characters): </source>
        <extracomment>Heading in the words-list analysis report; the lines below list the words by length</extracomment>
        <translation>Aantal woorden per woordlengte (ongeacht de tekens die ze bevatten): </translation>
    </message>
    <message numerus="yes">
        <source>* %1 letters = %n words</source>
        <extracomment>Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it</extracomment>
        <translation>
            <numerusform>* %1 letters = %n woord</numerusform>
            <numerusform>* %1 letters = %n woorden</numerusform>
        </translation>
    </message>
    <message>
        <source>* Other lengths = %1</source>
        <extracomment>Line of the analysis report: %1 is how many words have a length of 1 or above 10</extracomment>
        <translation>* Andere lengtes = %1</translation>
    </message>
    <message>
        <source>Alphabet and letter probabilities (between 1 and %1 for each): </source>
        <extracomment>Heading in the words-list analysis report: %1 is the highest weight a letter can get</extracomment>
        <translation>Alfabet en lettergewichten (tussen 1 en %1 per letter): </translation>
    </message>
    <message>
        <source>ANALYSIS REPORT</source>
        <extracomment>Title of the words-list analysis report, which the player pastes from the clipboard</extracomment>
        <translation>ANALYSERAPPORT</translation>
    </message>
    <message>
        <source>Letters (within the alphabet) = %1</source>
        <extracomment>Line of the analysis report: %1 is how many letters of the words are in the alphabet</extracomment>
        <translation>Letters (binnen het alfabet) = %1</translation>
    </message>
    <message>
        <source>Characters outside the alphabet = %1</source>
        <extracomment>Line of the analysis report: %1 is how many characters of the words are not in the alphabet</extracomment>
        <translation>Tekens buiten het alfabet = %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>There is no such dictionary.</source>
        <translation>Dit woordenboek bestaat niet.</translation>
    </message>
    <message>
        <source>There aren&apos;t enough active letters to form an alphabet. 
Change the dictionary!</source>
        <translation>Er zijn niet genoeg actieve letters om een alfabet te vormen. 
Pas het woordenboek aan!</translation>
    </message>
    <message>
        <source>There are not enough words in the words list
to automatically calculate letter probabilities.</source>
        <translation>Er staan niet genoeg woorden in de woordenlijst
om de lettergewichten automatisch te berekenen.</translation>
    </message>
</context>
<context>
    <name>DirectoryTree</name>
    <message>
        <source>Failed to process directory.</source>
        <translation>Het verwerken van de map is mislukt.</translation>
    </message>
</context>
<context>
    <name>FunStatContext</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Het venster voor foutmeldingen is niet gemaakt. Het moet eerst worden gemaakt.</translation>
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
        <translation>Beschikbare letterwissels %1</translation>
    </message>
    <message>
        <source>Last word is in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word just put on the board</extracomment>
        <translation>Laatste woord staat in de woordenlijst: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Last word was NOT in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word the player tried to put</extracomment>
        <translation>Laatste woord NIET in de woordenlijst: &quot;%1&quot;</translation>
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
        <translation>Glyphmason-spel (*.gmg)</translation>
    </message>
    <message>
        <source>Glyphmason dictionary (*.gmd)</source>
        <extracomment>File type in the dialog that opens a dictionary</extracomment>
        <translation>Glyphmason-woordenboek (*.gmd)</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Het spel is gewijzigd. Wil je het opslaan?</translation>
    </message>
    <message>
        <source>There is nothing to analyze.</source>
        <translation>Er is niets om te analyseren.</translation>
    </message>
    <message>
        <source>Analysis report was successfully copied to clipboard.</source>
        <translation>Het analyserapport is naar het klembord gekopieerd.</translation>
    </message>
    <message>
        <source>The stock letters make no word of the words list here.</source>
        <translation>De voorraadletters vormen hier geen woord uit de woordenlijst.</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Dit spel beëindigen?</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>Records: not entered, a move was undone</source>
        <extracomment>Summary line: no record was entered because a move was taken back</extracomment>
        <translation>Records: niet opgenomen, er is een zet ongedaan gemaakt</translation>
    </message>
    <message>
        <source>Records: not entered, a move was undone, and %1</source>
        <extracomment>Summary line: %1 is a further reason, e.g. &quot;Suggest word was used&quot;</extracomment>
        <translation>Records: niet opgenomen, er is een zet ongedaan gemaakt en %1</translation>
    </message>
    <message>
        <source>Records: place %1 of the ten best for %2</source>
        <extracomment>Summary line: %1 is the rank (1 to 10), %2 the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Records: plaats %1 van de tien beste voor %2</translation>
    </message>
    <message>
        <source>Records: not among the ten best for %1</source>
        <extracomment>Summary line: %1 is the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Records: niet bij de tien beste voor %1</translation>
    </message>
    <message>
        <source>Records: not entered, a word unknown to the words list was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Records: niet opgenomen, er is een woord vastgelegd dat niet in de woordenlijst staat</translation>
    </message>
    <message>
        <source>Records: not entered, no word was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Records: niet opgenomen, er is geen woord vastgelegd</translation>
    </message>
    <message>
        <source>Records: place %1, but the records file could not be written</source>
        <extracomment>Summary line: %1 is the rank (1 to 10) the game would have had</extracomment>
        <translation>Records: plaats %1, maar het recordbestand kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Records: niet opgenomen, Woordtip is gebruikt</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used and an unknown word committed</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Records: niet opgenomen, Woordtip is gebruikt en er is een onbekend woord vastgelegd</translation>
    </message>
    <message>
        <source>Records: not entered, the records file could not be read</source>
        <extracomment>Summary line</extracomment>
        <translation>Records: niet opgenomen, het recordbestand kon niet worden gelezen</translation>
    </message>
    <message>
        <source>Best word: none</source>
        <extracomment>Summary line when no word was committed</extracomment>
        <translation>Beste woord: geen</translation>
    </message>
    <message numerus="yes">
        <source>Best word: &quot;%1&quot;, %n points</source>
        <extracomment>Summary line: %1 is the word, %n its score</extracomment>
        <translation>
            <numerusform>Beste woord: &quot;%1&quot;, %n punt</numerusform>
            <numerusform>Beste woord: &quot;%1&quot;, %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Eindscore: %1</translation>
    </message>
    <message>
        <source>Words committed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Vastgelegde woorden: %1</translation>
    </message>
    <message>
        <source>Letters placed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Neergelegde letters: %1</translation>
    </message>
    <message>
        <source>Average score per word: %1</source>
        <extracomment>Summary line: %1 is a number with one decimal, e.g. &quot;12.5&quot;</extracomment>
        <translation>Gemiddelde score per woord: %1</translation>
    </message>
    <message>
        <source>Letter changes used: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Gebruikte letterwissels: %1</translation>
    </message>
    <message numerus="yes">
        <source>Suggest word used: %n time(s)</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>
            <numerusform>Woordtip gebruikt: %n keer</numerusform>
            <numerusform>Woordtip gebruikt: %n keer</numerusform>
        </translation>
    </message>
    <message>
        <source>Par: %1, accuracy %2 %</source>
        <extracomment>Summary line: %1 is the par score, %2 the score as a percentage of it</extracomment>
        <translation>Par: %1, precisie %2 %</translation>
    </message>
    <message>
        <source>The old records file could not be read.</source>
        <extracomment>Summary line; the next line names the file the old records were kept in</extracomment>
        <translation>Het oude recordbestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <extracomment>Summary line: %1 is a file name</extracomment>
        <translation>Het is bewaard als %1.</translation>
    </message>
    <message>
        <source>No word was committed.</source>
        <extracomment>Read by a screen reader for the turn chart of a game without words</extracomment>
        <translation>Er is geen woord vastgelegd.</translation>
    </message>
    <message numerus="yes">
        <source>Word %1, %2: %n point(s), best possible %3</source>
        <extracomment>Read by a screen reader for one bar pair of the turn chart: %1 is the turn&apos;s number, %2 the word, %n its score, %3 the best score possible at that turn</extracomment>
        <translation>
            <numerusform>Woord %1, %2: %n punt, hoogst mogelijk %3</numerusform>
            <numerusform>Woord %1, %2: %n punten, hoogst mogelijk %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggest word was used and an unknown word committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Woordtip is gebruikt en er is een onbekend woord vastgelegd</translation>
    </message>
    <message>
        <source>Suggest word was used</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Woordtip is gebruikt</translation>
    </message>
    <message>
        <source>a word unknown to the words list was committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>er is een woord vastgelegd dat niet in de woordenlijst staat</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Het programma installeren in de map &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This copy of the program was not installed by its installer.
Nothing was deleted.</source>
        <translation>Deze kopie van het programma is niet door het installatieprogramma geïnstalleerd.
Er is niets verwijderd.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>De map &quot;%1&quot; (met alle bestanden erin) verwijderen?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Het programma is verwijderd. Enkele bestanden die in gebruik waren, zijn niet verwijderd.</translation>
    </message>
</context>
<context>
    <name>MyDialogs</name>
    <message>
        <source>Error</source>
        <extracomment>Title of a box that tells of a failure</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a box that tells the player something</extracomment>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Title of a box that warns the player</extracomment>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Query</source>
        <extracomment>Title of a box that asks the player a question</extracomment>
        <translation>Vraag</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version %1, released on %2</source>
        <extracomment>%1 is the version number, %2 the release date, as they stand</extracomment>
        <translation>Versie %1, uitgebracht op %2</translation>
    </message>
</context>
<context>
    <name>RunFile</name>
    <message>
        <source>The name of the file is empty.</source>
        <translation>De bestandsnaam is leeg.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Score %1; possible score now %2</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score, %2 what the loose letters would add now</extracomment>
        <translation>Score %1; mogelijke score nu %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score</extracomment>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Letter score %1</source>
        <extracomment>Label, 294 px wide: %1 is the points of the letter the mouse points at</extracomment>
        <translation>Letterwaarde %1</translation>
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
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One stock slot as spoken: %1 is its number (1 to 7), %2 its letter or &quot;empty&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>Spoken: %1 is the game&apos;s score</extracomment>
        <translation>Score %1.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 up.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads upwards</extracomment>
        <translation>Voorgesteld: %1 vanaf %2 omhoog.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 down.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards</extracomment>
        <translation>Voorgesteld: %1 vanaf %2 omlaag.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 left.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards</extracomment>
        <translation>Voorgesteld: %1 vanaf %2 naar links.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 right.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards</extracomment>
        <translation>Voorgesteld: %1 vanaf %2 naar rechts.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>Spoken: %1 is a letter, %2 the square it was put on (&quot;K on H8&quot;)</extracomment>
        <translation>%1 op %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 for %n point(s).</source>
        <extracomment>Spoken: %1 is the word just put on the board</extracomment>
        <translation>
            <numerusform>%1 voor %n punt.</numerusform>
            <numerusform>%1 voor %n punten.</numerusform>
        </translation>
    </message>
    <message>
        <source>New letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Nieuwe letters: %1.</translation>
    </message>
    <message>
        <source>%1 puts the flipped word.</source>
        <extracomment>Spoken: %1 is a key (&quot;Shift+Enter&quot;)</extracomment>
        <translation>%1 legt het woord andersom.</translation>
    </message>
    <message>
        <source>%1 puts it on the board.</source>
        <extracomment>Spoken: %1 is a key (&quot;Enter&quot;)</extracomment>
        <translation>%1 legt het op het bord.</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Spoken when the board cursor turns to move downwards</extracomment>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Spoken when the board cursor turns to move rightwards</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Cursor on %1, moving down.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go downwards from it</extracomment>
        <translation>Kader op %1, richting omlaag.</translation>
    </message>
    <message>
        <source>Cursor on %1, moving right.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go rightwards from it</extracomment>
        <translation>Kader op %1, richting rechts.</translation>
    </message>
    <message>
        <source>Letter changes left: %1.</source>
        <extracomment>Spoken: %1 is how many letter changes are left</extracomment>
        <translation>Resterende letterwissels: %1.</translation>
    </message>
    <message>
        <source>Your letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Je letters: %1.</translation>
    </message>
    <message>
        <source>No loose letters on the board.</source>
        <translation>Geen losse letters op het bord.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Spoken when a word cannot be put because the game has ended</extracomment>
        <translation>Het spel is voorbij.</translation>
    </message>
    <message>
        <source>Move taken back. Your letters: %1.</source>
        <extracomment>Spoken after Undo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Zet ongedaan gemaakt. Je letters: %1.</translation>
    </message>
    <message>
        <source>Move played again. Your letters: %1.</source>
        <extracomment>Spoken after Redo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Zet opnieuw gedaan. Je letters: %1.</translation>
    </message>
</context>
<context>
    <name>StoredTextList</name>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Bestand &quot;%1&quot; bestaat al.
Wil je het overschrijven?</translation>
    </message>
</context>
<context>
    <name>Suggestion</name>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put flipped word&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put flipped word&quot; is a button&apos;s caption</extracomment>
        <translation>Tip &quot;%1&quot;: klik op &quot;Andersom leggen&quot;</translation>
    </message>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put word on board&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put word on board&quot; is a button&apos;s caption</extracomment>
        <translation>Tip &quot;%1&quot;: klik op &quot;Woord leggen&quot;</translation>
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
        <translation>Geschreven door de makers van Glyphmason</translation>
    </message>
    <message>
        <source>You are welcome on the Glyphmason site: there you find new dictionaries for the game, news of coming versions and the other word games of the Glyphmason project.</source>
        <extracomment>Three lines at most, 408 px wide</extracomment>
        <translation>Welkom op de site van Glyphmason: daar vind je nieuwe woordenboeken voor het spel, nieuws over komende versies en de andere woordspellen van het Glyphmason-project.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <extracomment>Button caption, 128 px wide: opens the project&apos;s home page</extracomment>
        <translation>Mijn site bezoeken</translation>
    </message>
    <message>
        <source>License terms</source>
        <extracomment>Button caption, 128 px wide: opens the licence page</extracomment>
        <translation>Licentievoorwaarden</translation>
    </message>
    <message>
        <source>Contact me</source>
        <extracomment>Button caption, 128 px wide: opens the page for questions and bug reports</extracomment>
        <translation>Contact opnemen</translation>
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
        <translation>%1, leeg</translation>
    </message>
    <message>
        <source>%1, %2, loose</source>
        <extracomment>Spoken by a screen reader for a square with a letter not yet put on the board as part of a word; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, los</translation>
    </message>
    <message>
        <source>%1, %2, fixed</source>
        <extracomment>Spoken by a screen reader for a square with a letter of a word already put on the board; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, vast</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name</extracomment>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>TChooseLetterForm</name>
    <message>
        <source>Choose letter</source>
        <extracomment>Window title</extracomment>
        <translation>Letter kiezen</translation>
    </message>
    <message>
        <source>Click the letter you want to choose as replacement</source>
        <extracomment>One line under the letters, at most 470 px wide</extracomment>
        <translation>Klik op de letter die je als vervanging wilt kiezen</translation>
    </message>
    <message>
        <source>Type the letter, or move to it with the arrows and press Enter</source>
        <translation>Typ de letter, of ga erheen met de pijltoetsen en druk op Enter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Replace %1 in slot %2</source>
        <extracomment>%1 is the letter, %2 the stock slot&apos;s number (1 to 7)</extracomment>
        <translation>%1 op plek %2 vervangen</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Fout bij het begin van een functie</translation>
    </message>
    <message>
        <source>Panic</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Paniek</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Catastrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Onbekende functiestatus</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Het installeren van het programma is mislukt. Controleer of je schrijfrechten hebt in de installatiemap.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Het verwijderen van het programma is mislukt.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Afbreken van het programma onderschept.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Het laden van het bestand is mislukt.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Het opslaan van het bestand is mislukt.</translation>
    </message>
    <message>
        <source>Failed to load dictionary.</source>
        <translation>Het laden van het woordenboek is mislukt.</translation>
    </message>
    <message>
        <source>Failed to save dictionary.</source>
        <translation>Het opslaan van het woordenboek is mislukt.</translation>
    </message>
    <message>
        <source>Failed to create new puzzle.</source>
        <translation>Het maken van een nieuw spel is mislukt.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Het laden van het vorige spel is mislukt.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Het laden van het spel is mislukt.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Het opslaan van het spel is mislukt.</translation>
    </message>
    <message>
        <source>Failed to analyze words list.</source>
        <translation>Het analyseren van de woordenlijst is mislukt.</translation>
    </message>
    <message>
        <source>Failed to suggest a word.</source>
        <translation>Het voorstellen van een woord is mislukt.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Het openen van de site is mislukt.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Het tonen van het venster &quot;Info&quot; is mislukt.</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 104 px wide</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <extracomment>Button caption, 110 px wide: closes the dialog and shows no further errors</extracomment>
        <translation>O&amp;K (geen fouten)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 98 px wide</extracomment>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <extracomment>Button caption, 220 px wide</extracomment>
        <translation>&amp;Programma direct beëindigen</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>Button caption, 46 px wide: writes the report to the error log</extracomment>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 46 px wide</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Het uitvoeren is mislukt.</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <extracomment>One line, 324 px wide; %1 counts the errors that came while this one was shown</extracomment>
        <translation>Recursieve pogingen = %1</translation>
    </message>
    <message>
        <source>Recursive attempts = None</source>
        <extracomment>One line, 324 px wide</extracomment>
        <translation>Recursieve pogingen = geen</translation>
    </message>
    <message>
        <source>Failed to copy text to clipboard.</source>
        <translation>Het kopiëren van tekst naar het klembord is mislukt.</translation>
    </message>
    <message>
        <source>Failed to copy report to clipboard.</source>
        <translation>Het kopiëren van het rapport naar het klembord is mislukt.</translation>
    </message>
    <message>
        <source>Failed to prepare the main window.</source>
        <translation>Het voorbereiden van het hoofdvenster is mislukt.</translation>
    </message>
</context>
<context>
    <name>TGameOverForm</name>
    <message>
        <source>Game over</source>
        <extracomment>Title of the window that sums up an ended game</extracomment>
        <translation>Einde spel</translation>
    </message>
    <message>
        <source>Each word&apos;s score (dark) beside the best possible then (light)</source>
        <extracomment>One line, 480 px wide, above the chart of the words&apos; scores; dark and light are the bars&apos; colours</extracomment>
        <translation>Score van elk woord (donker) naast de toen hoogst mogelijke (licht)</translation>
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
        <translation>Woorden in de woordenlijst: geen geladen</translation>
    </message>
    <message>
        <source>Letter changes: no game</source>
        <translation>Letterwissels: geen spel</translation>
    </message>
    <message>
        <source>Letter score: no letter pointed at</source>
        <translation>Letterwaarde: geen letter aangewezen</translation>
    </message>
    <message>
        <source>Last word: none</source>
        <translation>Laatste woord: geen</translation>
    </message>
    <message>
        <source>Score: none</source>
        <translation>Score: geen</translation>
    </message>
    <message>
        <source>Why no word: nothing to explain</source>
        <translation>Waarom geen woord: niets uit te leggen</translation>
    </message>
    <message>
        <source>End game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Game summary</source>
        <extracomment>Work menu item</extracomment>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Work menu item</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Ctrl+N: new game      Ctrl+Z: continue the last game</source>
        <extracomment>Centred on the empty board; &quot;Ctrl+N&quot; and &quot;Ctrl+Z&quot; are keys and stay as they are</extracomment>
        <translation>Ctrl+N: nieuw spel      Ctrl+Z: vorig spel voortzetten</translation>
    </message>
    <message>
        <source>Ctrl+N: new game</source>
        <extracomment>Centred on the empty board before the first game; &quot;Ctrl+N&quot; is a key</extracomment>
        <translation>Ctrl+N: nieuw spel</translation>
    </message>
    <message>
        <source>No word can be made: change letters.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Geen woord mogelijk: wissel letters.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Het spel is voorbij.</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <extracomment>Spoken by a screen reader for an empty stock slot; %1 is the slot&apos;s number, 1 to 7</extracomment>
        <translation>%1: leeg</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n point(s)</source>
        <extracomment>Spoken by a screen reader for a stock slot; %1 is the slot&apos;s number, 1 to 7, %2 its letter</extracomment>
        <translation>
            <numerusform>%1: %2, %n punt</numerusform>
            <numerusform>%1: %2, %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <extracomment>Button caption, 40 px wide; its mnemonic opens the Work menu</extracomment>
        <translation>S&amp;pel</translation>
    </message>
    <message>
        <source>Display the &quot;Work&quot; menu</source>
        <extracomment>Hint of the Work button; &quot;Work&quot; is the button&apos;s caption without its &amp;</extracomment>
        <translation>Het menu &quot;Spel&quot; weergeven</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Weg</translation>
    </message>
    <message>
        <source>You can also use &quot;Space&quot; to hide the program</source>
        <extracomment>Hint of the Hide button; &quot;Space&quot; is the key&apos;s name</extracomment>
        <translation>Je kunt het programma ook verbergen met &quot;Space&quot; (de spatiebalk)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>You can also use &quot;Alt + F4&quot; to close the program</source>
        <extracomment>Hint of the Close button; &quot;Alt + F4&quot; are the keys&apos; names</extracomment>
        <translation>Je kunt het programma ook sluiten met &quot;Alt + F4&quot;</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>Check box caption, 85 px wide including the box</extracomment>
        <translation>&amp;Vol. scherm</translation>
    </message>
    <message>
        <source>If this is checked, the main window of the program will cover the entire screen. If you check this and the main window looks weird, just restart the program.</source>
        <translation>Beeldvullend: als dit is aangevinkt, vult het hoofdvenster van het programma het hele scherm. Ziet het hoofdvenster er daarna vreemd uit, start het programma dan gewoon opnieuw.</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Label left of the columns box; about 50 px fit before the box</extracomment>
        <translation>Kol.</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Label left of the rows box; about 30 px fit before the box</extracomment>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <extracomment>Label left of the dictionary&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Woordenb.</translation>
    </message>
    <message>
        <source>Words list</source>
        <extracomment>Label left of the words list&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Woordlijst</translation>
    </message>
    <message>
        <source>Automatically add unknown words to words list</source>
        <extracomment>Check box caption, 280 px wide including the box</extracomment>
        <translation>Onbekende woorden in woordenlijst opnemen</translation>
    </message>
    <message>
        <source>The words list is automatically saved when the game is saved, if any words are added to it</source>
        <translation>De woordenlijst wordt automatisch opgeslagen wanneer het spel wordt opgeslagen, als er woorden aan zijn toegevoegd</translation>
    </message>
    <message>
        <source>Stock letters</source>
        <extracomment>Frame title above the seven stock letters, 310 px wide</extracomment>
        <translation>Voorraadletters</translation>
    </message>
    <message>
        <source>Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.</source>
        <extracomment>Tip of two lines, 294 px wide; [RMB] is the right mouse button</extracomment>
        <translation>Sleep letters tussen voorraad en bord om ze te ruilen of te verplaatsen. Rechtsklik: letter wisselen.</translation>
    </message>
    <message>
        <source>1 to 7 put a letter at the board&apos;s frame; Ctrl+1 to 7 or the Menu key on a focused slot change it</source>
        <extracomment>Spoken by a screen reader; &quot;Ctrl&quot; and &quot;Menu&quot; are key names</extracomment>
        <translation>1 tot 7 leggen een letter in het kader op het bord; Ctrl+1 tot 7 of de Menu-toets op een plek met de focus wisselen hem</translation>
    </message>
    <message>
        <source>New stock letters</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Nieuwe letters</translation>
    </message>
    <message>
        <source>Throw away the loose letters and draw seven new stock letters</source>
        <translation>De losse letters weggooien en zeven nieuwe voorraadletters trekken</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Frame title above the word&apos;s buttons, 310 px wide</extracomment>
        <translation>Woord</translation>
    </message>
    <message>
        <source>&amp;Put word on board</source>
        <extracomment>Button caption, 115 px wide</extracomment>
        <translation>&amp;Woord leggen</translation>
    </message>
    <message>
        <source>The word must be readable left to right or top to bottom</source>
        <translation>Het woord moet van links naar rechts of van boven naar beneden te lezen zijn</translation>
    </message>
    <message>
        <source>Put flipped word</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Andersom leggen</translation>
    </message>
    <message>
        <source>The word must be readable right to left or bottom to top</source>
        <translation>Het woord moet van rechts naar links of van onder naar boven te lezen zijn</translation>
    </message>
    <message>
        <source>Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) must form only one word.</source>
        <extracomment>Tip of three lines at most, 270 px wide</extracomment>
        <translation>Klik op een knop om het woord vast op het bord te leggen. Alle losse letters (en de letters die ze raken) moeten één woord vormen.</translation>
    </message>
    <message>
        <source>Enter puts the word on the board, Shift+Enter the flipped word</source>
        <extracomment>Spoken by a screen reader; &quot;Enter&quot; and &quot;Shift&quot; are key names</extracomment>
        <translation>Enter legt het woord op het bord, Shift+Enter het woord andersom</translation>
    </message>
    <message>
        <source>Allow unknown words</source>
        <extracomment>Check box caption, 140 px wide including the box</extracomment>
        <translation>Elk woord toestaan</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Frame title above the board</extracomment>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, &quot;/&quot; turns it between right and down; Backspace and Delete take letters back; Enter puts the word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your letters, the score and the frame&apos;s square aloud.</source>
        <extracomment>Hint of the board; &quot;/&quot; and &quot;R&quot; are the keys themselves and stay as they are</extracomment>
        <translation>Toetsen: 1 tot 7 leggen die voorraadletter in het kader; de pijltoetsen verplaatsen het kader, &quot;/&quot; draait het tussen rechts en omlaag; Backspace en Delete nemen letters terug; Enter legt het woord, Shift+Enter het woord andersom; Ctrl+1 tot Ctrl+7 wisselen een voorraadletter. R leest je letters, de score en het vakje van het kader voor.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Load dictionary</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Woordenboek laden</translation>
    </message>
    <message>
        <source>Load last game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Vorig spel laden</translation>
    </message>
    <message>
        <source>Load game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Analyze words list</source>
        <extracomment>Work menu item</extracomment>
        <translation>Woordenlijst analyseren</translation>
    </message>
    <message>
        <source>Suggest word</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Woordtip</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Spoken by a screen reader: the panel of the Work, Help and About buttons</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Board size and dictionary</source>
        <extracomment>Spoken by a screen reader: the panel of the board size and the dictionary</extracomment>
        <translation>Bordgrootte en woordenboek</translation>
    </message>
    <message>
        <source>Letters and word</source>
        <extracomment>Spoken by a screen reader: the panel of the stock letters and the word</extracomment>
        <translation>Letters en woord</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>spoken name</comment>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>spoken name</comment>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <comment>spoken name</comment>
        <translation>Woordenboek</translation>
    </message>
    <message>
        <source>Words list</source>
        <comment>spoken name</comment>
        <translation>Woordenlijst</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Glyphmason Help</source>
        <extracomment>Title of the help window; Glyphmason is the program&apos;s name</extracomment>
        <translation>Help bij Glyphmason</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the help file&apos;s path</extracomment>
        <translation>Kan het helpbestand &quot;%1&quot; niet openen.</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>Install</source>
        <extracomment>Window title</extracomment>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <extracomment>Four lines at most, 384 px wide</extracomment>
        <translation>Je kunt het programma opnieuw installeren zonder eerst de vorige versie te verwijderen. Het bestaande optiebestand blijft behouden. Om de geïnstalleerde versie te herstellen, installeer je het programma gewoon opnieuw. Sluit eerst het programma als het nog draait.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Button caption, 80 px wide: picks the folder to install in</extracomment>
        <translation>&amp;Bladeren</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Installeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Install %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>%1 installeren</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Welkom bij %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>De installatiemap van het programma komt in de map:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Afscheid van %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>De volgende map wordt verwijderd:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Verwijderen</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Best word</source>
        <translation>Beste woord</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisie</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Title of the window of the best games
----------
Spoken by a screen reader: the table of the best games</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Dictionary and board size</source>
        <extracomment>Label left of the list of record tables, 150 px wide</extracomment>
        <translation>Woordenboek, bordgrootte</translation>
    </message>
    <message>
        <source>Bold, with *: the newest record</source>
        <extracomment>One line, 300 px wide, below the table; &quot;*&quot; is the mark beside the newest record&apos;s place</extracomment>
        <translation>Vet, met *: het nieuwste record</translation>
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
        <translation>Legt de letter in het kader op het bord</translation>
    </message>
</context>
<context>
    <name>TTurnChart</name>
    <message>
        <source>No word was committed.</source>
        <extracomment>Centred in the chart of the words&apos; scores, 480 px wide, when the game had no word</extracomment>
        <translation>Er is geen woord vastgelegd.</translation>
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
        <translation>Geheel getal buiten de grenzen.
Het wordt op de standaardwaarde gezet.
    * Minimum = %1
    * Maximum = %2
    * Standaard = %3</translation>
    </message>
    <message>
        <source>There is no text to copy to clipboard.</source>
        <translation>Er is geen tekst om naar het klembord te kopiëren.</translation>
    </message>
</context>
<context>
    <name>WordRule</name>
    <message>
        <source>The loose letters are not in one row or one column.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>De losse letters staan niet in één rij of één kolom.</translation>
    </message>
    <message>
        <source>One letter alone makes no word: put it next to a letter.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Eén letter alleen is geen woord: leg hem naast een letter.</translation>
    </message>
    <message>
        <source>The letter touches letters on more than one side.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>De letter raakt aan meer dan één kant letters.</translation>
    </message>
    <message>
        <source>A loose letter touches letters across the word.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Een losse letter raakt letters dwars op het woord.</translation>
    </message>
    <message>
        <source>The loose letters leave a gap.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>De losse letters laten een gat.</translation>
    </message>
    <message>
        <source>The word does not run through a letter already on the board.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Het woord loopt niet door een letter die al op het bord ligt.</translation>
    </message>
</context>
<context>
    <name>WordsList</name>
    <message numerus="yes">
        <source>There are %n words in the words list; new words.</source>
        <extracomment>Label, 290 px wide; &quot;new words&quot;: words the player added, not yet saved</extracomment>
        <translation>
            <numerusform>%n woord in de woordenlijst; er zijn nieuwe bij.</numerusform>
            <numerusform>%n woorden in de woordenlijst; er zijn nieuwe bij.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n words in the words list.</source>
        <extracomment>Label, 290 px wide</extracomment>
        <translation>
            <numerusform>%n woord in de woordenlijst.</numerusform>
            <numerusform>%n woorden in de woordenlijst.</numerusform>
        </translation>
    </message>
</context>
</TS>
