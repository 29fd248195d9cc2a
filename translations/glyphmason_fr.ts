<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnalysisReport</name>
    <message>
        <source>Number of words, by word length (regardless of containing characters): </source>
        <extracomment>Heading in the words-list analysis report; the lines below list the words by length</extracomment>
        <translation>Nombre de mots par longueur de mot (quels que soient les caractères qu&apos;ils contiennent)&#xa0;: </translation>
    </message>
    <message numerus="yes">
        <source>* %1 letters = %n words</source>
        <extracomment>Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it</extracomment>
        <translation>
            <numerusform>* %1 lettres = %n mot</numerusform>
            <numerusform>* %1 lettres = %n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>* Other lengths = %1</source>
        <extracomment>Line of the analysis report: %1 is how many words have a length of 1 or above 10</extracomment>
        <translation>* Autres longueurs = %1</translation>
    </message>
    <message>
        <source>Alphabet and letter probabilities (between 1 and %1 for each): </source>
        <extracomment>Heading in the words-list analysis report: %1 is the highest weight a letter can get</extracomment>
        <translation>Alphabet et poids des lettres (entre 1 et %1 pour chacune)&#xa0;: </translation>
    </message>
    <message>
        <source>ANALYSIS REPORT</source>
        <extracomment>Title of the words-list analysis report, which the player pastes from the clipboard</extracomment>
        <translation>RAPPORT D&apos;ANALYSE</translation>
    </message>
    <message>
        <source>Letters (within the alphabet) = %1</source>
        <extracomment>Line of the analysis report: %1 is how many letters of the words are in the alphabet</extracomment>
        <translation>Lettres (dans l&apos;alphabet) = %1</translation>
    </message>
    <message>
        <source>Characters outside the alphabet = %1</source>
        <extracomment>Line of the analysis report: %1 is how many characters of the words are not in the alphabet</extracomment>
        <translation>Caractères hors de l&apos;alphabet = %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>There is no such dictionary.</source>
        <translation>Ce dictionnaire n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There aren&apos;t enough active letters to form an alphabet. 
Change the dictionary!</source>
        <translation>Il n&apos;y a pas assez de lettres actives pour former un alphabet. 
Changez de dictionnaire&#xa0;!</translation>
    </message>
    <message>
        <source>There are not enough words in the words list
to automatically calculate letter probabilities.</source>
        <translation>Le lexique ne contient pas assez de mots
pour calculer automatiquement le poids des lettres.</translation>
    </message>
</context>
<context>
    <name>DirectoryTree</name>
    <message>
        <source>Failed to process directory.</source>
        <translation>Impossible de traiter le dossier.</translation>
    </message>
</context>
<context>
    <name>FunStatContext</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>La fenêtre d&apos;erreur n&apos;a pas été créée. Vous devez la créer.</translation>
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
        <translation>Échanges disponibles %1</translation>
    </message>
    <message>
        <source>Last word is in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word just put on the board</extracomment>
        <translation>Dernier mot présent dans le lexique&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Last word was NOT in the words list: &quot;%1&quot;</source>
        <extracomment>Label, 290 px wide, also spoken: %1 is the word the player tried to put</extracomment>
        <translation>Dernier mot ABSENT du lexique&#xa0;: «&#xa0;%1&#xa0;»</translation>
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
        <translation>Partie Glyphmason (*.gmg)</translation>
    </message>
    <message>
        <source>Glyphmason dictionary (*.gmd)</source>
        <extracomment>File type in the dialog that opens a dictionary</extracomment>
        <translation>Dictionnaire Glyphmason (*.gmd)</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partie a été modifiée. L&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>There is nothing to analyze.</source>
        <translation>Il n&apos;y a rien à analyser.</translation>
    </message>
    <message>
        <source>Analysis report was successfully copied to clipboard.</source>
        <translation>Le rapport d&apos;analyse a été copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The stock letters make no word of the words list here.</source>
        <translation>Les lettres de la réserve ne forment ici aucun mot du lexique.</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Terminer cette partie&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GameSummary</name>
    <message>
        <source>Records: not entered, a move was undone</source>
        <extracomment>Summary line: no record was entered because a move was taken back</extracomment>
        <translation>Records&#xa0;: partie non inscrite, un coup a été annulé</translation>
    </message>
    <message>
        <source>Records: not entered, a move was undone, and %1</source>
        <extracomment>Summary line: %1 is a further reason, e.g. &quot;Suggest word was used&quot;</extracomment>
        <translation>Records&#xa0;: partie non inscrite, un coup a été annulé, et %1</translation>
    </message>
    <message>
        <source>Records: place %1 of the ten best for %2</source>
        <extracomment>Summary line: %1 is the rank (1 to 10), %2 the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Records&#xa0;: rang %1 des dix meilleures parties pour %2</translation>
    </message>
    <message>
        <source>Records: not among the ten best for %1</source>
        <extracomment>Summary line: %1 is the table, e.g. &quot;English.gmd 15 x 15&quot;</extracomment>
        <translation>Records&#xa0;: hors des dix meilleures parties pour %1</translation>
    </message>
    <message>
        <source>Records: not entered, a word unknown to the words list was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Records&#xa0;: partie non inscrite, un mot inconnu du lexique a été posé</translation>
    </message>
    <message>
        <source>Records: not entered, no word was committed</source>
        <extracomment>Summary line</extracomment>
        <translation>Records&#xa0;: partie non inscrite, aucun mot n&apos;a été posé</translation>
    </message>
    <message>
        <source>Records: place %1, but the records file could not be written</source>
        <extracomment>Summary line: %1 is the rank (1 to 10) the game would have had</extracomment>
        <translation>Records&#xa0;: rang %1, mais le fichier des records n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Records&#xa0;: partie non inscrite, Suggérer un mot a été utilisé</translation>
    </message>
    <message>
        <source>Records: not entered, Suggest word was used and an unknown word committed</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>Records&#xa0;: partie non inscrite, Suggérer un mot a été utilisé et un mot inconnu posé</translation>
    </message>
    <message>
        <source>Records: not entered, the records file could not be read</source>
        <extracomment>Summary line</extracomment>
        <translation>Records&#xa0;: partie non inscrite, le fichier des records n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>Best word: none</source>
        <extracomment>Summary line when no word was committed</extracomment>
        <translation>Meilleur mot&#xa0;: aucun</translation>
    </message>
    <message numerus="yes">
        <source>Best word: &quot;%1&quot;, %n points</source>
        <extracomment>Summary line: %1 is the word, %n its score</extracomment>
        <translation>
            <numerusform>Meilleur mot&#xa0;: «&#xa0;%1&#xa0;», %n point</numerusform>
            <numerusform>Meilleur mot&#xa0;: «&#xa0;%1&#xa0;», %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Score final&#xa0;: %1</translation>
    </message>
    <message>
        <source>Words committed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Mots posés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Letters placed: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Lettres placées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Average score per word: %1</source>
        <extracomment>Summary line: %1 is a number with one decimal, e.g. &quot;12.5&quot;</extracomment>
        <translation>Score moyen par mot&#xa0;: %1</translation>
    </message>
    <message>
        <source>Letter changes used: %1</source>
        <extracomment>Summary line</extracomment>
        <translation>Échanges utilisés&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Suggest word used: %n time(s)</source>
        <extracomment>Summary line; &quot;Suggest word&quot; is a menu item</extracomment>
        <translation>
            <numerusform>Suggérer un mot&#xa0;: utilisé %n fois</numerusform>
            <numerusform>Suggérer un mot&#xa0;: utilisé %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>Par: %1, accuracy %2 %</source>
        <extracomment>Summary line: %1 is the par score, %2 the score as a percentage of it</extracomment>
        <translation>Par&#xa0;: %1, précision %2&#xa0;%</translation>
    </message>
    <message>
        <source>The old records file could not be read.</source>
        <extracomment>Summary line; the next line names the file the old records were kept in</extracomment>
        <translation>L&apos;ancien fichier des records n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>It was kept as %1.</source>
        <extracomment>Summary line: %1 is a file name</extracomment>
        <translation>Il a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>No word was committed.</source>
        <extracomment>Read by a screen reader for the turn chart of a game without words</extracomment>
        <translation>Aucun mot n&apos;a été posé.</translation>
    </message>
    <message numerus="yes">
        <source>Word %1, %2: %n point(s), best possible %3</source>
        <extracomment>Read by a screen reader for one bar pair of the turn chart: %1 is the turn&apos;s number, %2 the word, %n its score, %3 the best score possible at that turn</extracomment>
        <translation>
            <numerusform>Mot %1, %2&#xa0;: %n point, meilleur score possible %3</numerusform>
            <numerusform>Mot %1, %2&#xa0;: %n points, meilleur score possible %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggest word was used and an unknown word committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Suggérer un mot a été utilisé et un mot inconnu posé</translation>
    </message>
    <message>
        <source>Suggest word was used</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>Suggérer un mot a été utilisé</translation>
    </message>
    <message>
        <source>a word unknown to the words list was committed</source>
        <extracomment>Ends &quot;Records: not entered, a move was undone, and %1&quot;</extracomment>
        <translation>un mot inconnu du lexique a été posé</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Installer le programme dans le dossier «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>This copy of the program was not installed by its installer.
Nothing was deleted.</source>
        <translation>Cette copie du programme n&apos;a pas été installée par son programme d&apos;installation.
Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Supprimer le dossier «&#xa0;%1&#xa0;» (et tous les fichiers qu&apos;il contient)&#xa0;?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Désinstallation réussie. Certains fichiers en cours d&apos;utilisation n&apos;ont pas été supprimés.</translation>
    </message>
</context>
<context>
    <name>MyDialogs</name>
    <message>
        <source>Error</source>
        <extracomment>Title of a box that tells of a failure</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Title of a box that tells the player something</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Title of a box that warns the player</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Query</source>
        <extracomment>Title of a box that asks the player a question</extracomment>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version %1, released on %2</source>
        <extracomment>%1 is the version number, %2 the release date, as they stand</extracomment>
        <translation>Version %1, publiée le %2</translation>
    </message>
</context>
<context>
    <name>RunFile</name>
    <message>
        <source>The name of the file is empty.</source>
        <translation>Le nom du fichier est vide.</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Score %1; possible score now %2</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score, %2 what the loose letters would add now</extracomment>
        <translation>Score %1&#xa0;; score possible maintenant %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <extracomment>Label, 290 px wide: %1 is the game&apos;s score</extracomment>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Letter score %1</source>
        <extracomment>Label, 294 px wide: %1 is the points of the letter the mouse points at</extracomment>
        <translation>Valeur de la lettre %1</translation>
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
        <translation>vide</translation>
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
        <translation>Mot suggéré %1, de %2 vers le haut.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 down.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards</extracomment>
        <translation>Mot suggéré %1, de %2 vers le bas.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 left.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards</extracomment>
        <translation>Mot suggéré %1, de %2 vers la gauche.</translation>
    </message>
    <message>
        <source>Suggested %1 from %2 right.</source>
        <extracomment>Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards</extracomment>
        <translation>Mot suggéré %1, de %2 vers la droite.</translation>
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
            <numerusform>%1 pour %n point.</numerusform>
            <numerusform>%1 pour %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>New letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Nouvelles lettres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 puts the flipped word.</source>
        <extracomment>Spoken: %1 is a key (&quot;Shift+Enter&quot;)</extracomment>
        <translation>%1 pose le mot à l&apos;envers.</translation>
    </message>
    <message>
        <source>%1 puts it on the board.</source>
        <extracomment>Spoken: %1 is a key (&quot;Enter&quot;)</extracomment>
        <translation>%1 le pose sur la grille.</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Spoken when the board cursor turns to move downwards</extracomment>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Spoken when the board cursor turns to move rightwards</extracomment>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Cursor on %1, moving down.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go downwards from it</extracomment>
        <translation>Cadre en %1, avance vers le bas.</translation>
    </message>
    <message>
        <source>Cursor on %1, moving right.</source>
        <extracomment>Spoken: %1 is the board cursor&apos;s square; typed letters go rightwards from it</extracomment>
        <translation>Cadre en %1, avance vers la droite.</translation>
    </message>
    <message>
        <source>Letter changes left: %1.</source>
        <extracomment>Spoken: %1 is how many letter changes are left</extracomment>
        <translation>Échanges de lettres restants&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your letters: %1.</source>
        <extracomment>Spoken: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Vos lettres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No loose letters on the board.</source>
        <translation>Aucune lettre libre sur la grille.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Spoken when a word cannot be put because the game has ended</extracomment>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>Move taken back. Your letters: %1.</source>
        <extracomment>Spoken after Undo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Coup annulé. Vos lettres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Move played again. Your letters: %1.</source>
        <extracomment>Spoken after Redo: %1 lists the stock slots (&quot;1 K, 2 A, 3 empty, ...&quot;)</extracomment>
        <translation>Coup rejoué. Vos lettres&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>StoredTextList</name>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <extracomment>%1 is a file&apos;s path</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà.
Le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Suggestion</name>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put flipped word&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put flipped word&quot; is a button&apos;s caption</extracomment>
        <translation>Suggestion «&#xa0;%1&#xa0;»&#xa0;: cliquez sur «&#xa0;Poser à l&apos;envers&#xa0;»</translation>
    </message>
    <message>
        <source>Suggested &quot;%1&quot;: click &quot;Put word on board&quot;</source>
        <extracomment>Label, 290 px wide: %1 is the suggested word; &quot;Put word on board&quot; is a button&apos;s caption</extracomment>
        <translation>Suggestion «&#xa0;%1&#xa0;»&#xa0;: cliquez sur «&#xa0;Poser le mot&#xa0;»</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <extracomment>Window title</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Written by the Glyphmason developers</source>
        <extracomment>One line, 408 px wide</extracomment>
        <translation>Écrit par les développeurs de Glyphmason</translation>
    </message>
    <message>
        <source>You are welcome on the Glyphmason site: there you find new dictionaries for the game, news of coming versions and the other word games of the Glyphmason project.</source>
        <extracomment>Three lines at most, 408 px wide</extracomment>
        <translation>Bienvenue sur le site de Glyphmason&#xa0;: vous y trouverez de nouveaux dictionnaires pour le jeu, des nouvelles des prochaines versions et les autres jeux de mots du projet Glyphmason.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <extracomment>Button caption, 128 px wide: opens the project&apos;s home page</extracomment>
        <translation>Visiter mon site</translation>
    </message>
    <message>
        <source>License terms</source>
        <extracomment>Button caption, 128 px wide: opens the licence page</extracomment>
        <translation>Conditions de licence</translation>
    </message>
    <message>
        <source>Contact me</source>
        <extracomment>Button caption, 128 px wide: opens the page for questions and bug reports</extracomment>
        <translation>Me contacter</translation>
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
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>%1, %2, loose</source>
        <extracomment>Spoken by a screen reader for a square with a letter not yet put on the board as part of a word; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, libre</translation>
    </message>
    <message>
        <source>%1, %2, fixed</source>
        <extracomment>Spoken by a screen reader for a square with a letter of a word already put on the board; %1 is the square&apos;s name, such as H8, %2 the letter</extracomment>
        <translation>%1, %2, fixe</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Spoken by a screen reader: the board&apos;s name</extracomment>
        <translation>Grille</translation>
    </message>
</context>
<context>
    <name>TChooseLetterForm</name>
    <message>
        <source>Choose letter</source>
        <extracomment>Window title</extracomment>
        <translation>Choisir une lettre</translation>
    </message>
    <message>
        <source>Click the letter you want to choose as replacement</source>
        <extracomment>One line under the letters, at most 470 px wide</extracomment>
        <translation>Cliquez sur la lettre de remplacement voulue</translation>
    </message>
    <message>
        <source>Type the letter, or move to it with the arrows and press Enter</source>
        <translation>Tapez la lettre, ou allez jusqu&apos;à elle avec les flèches et appuyez sur Entrée (Enter)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 75 px wide</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Replace %1 in slot %2</source>
        <extracomment>%1 is the letter, %2 the stock slot&apos;s number (1 to 7)</extracomment>
        <translation>Remplacer %1 dans l&apos;emplacement %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Erreur au début de la fonction</translation>
    </message>
    <message>
        <source>Panic</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Panique</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>Catastrophe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <extracomment>Title of the error dialog</extracomment>
        <translation>État de fonction inconnu</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Impossible d&apos;installer le programme. Vérifiez que vous avez le droit d&apos;écrire dans le dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Impossible de désinstaller le programme.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Abandon intercepté.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Failed to load dictionary.</source>
        <translation>Impossible d&apos;ouvrir le dictionnaire.</translation>
    </message>
    <message>
        <source>Failed to save dictionary.</source>
        <translation>Impossible d&apos;enregistrer le dictionnaire.</translation>
    </message>
    <message>
        <source>Failed to create new puzzle.</source>
        <translation>Impossible de créer une nouvelle partie.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Impossible d&apos;ouvrir la dernière partie.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Impossible d&apos;ouvrir la partie.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Impossible d&apos;enregistrer la partie.</translation>
    </message>
    <message>
        <source>Failed to analyze words list.</source>
        <translation>Impossible d&apos;analyser le lexique.</translation>
    </message>
    <message>
        <source>Failed to suggest a word.</source>
        <translation>Impossible de suggérer un mot.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Impossible d&apos;ouvrir le site.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Impossible d&apos;afficher la fenêtre «&#xa0;À propos&#xa0;».</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <extracomment>Button caption, 104 px wide</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <extracomment>Button caption, 110 px wide: closes the dialog and shows no further errors</extracomment>
        <translation>O&amp;K (plus d&apos;erreurs)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 98 px wide</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <extracomment>Button caption, 220 px wide</extracomment>
        <translation>&amp;Quitter immédiatement le programme</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <extracomment>Button caption, 46 px wide: writes the report to the error log</extracomment>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 46 px wide</extracomment>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Échec de l&apos;opération.</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <extracomment>One line, 324 px wide; %1 counts the errors that came while this one was shown</extracomment>
        <translation>Tentatives récursives = %1</translation>
    </message>
    <message>
        <source>Recursive attempts = None</source>
        <extracomment>One line, 324 px wide</extracomment>
        <translation>Tentatives récursives = aucune</translation>
    </message>
    <message>
        <source>Failed to copy text to clipboard.</source>
        <translation>Impossible de copier le texte dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Failed to copy report to clipboard.</source>
        <translation>Impossible de copier le rapport dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Failed to prepare the main window.</source>
        <translation>Impossible de préparer la fenêtre principale.</translation>
    </message>
</context>
<context>
    <name>TGameOverForm</name>
    <message>
        <source>Game over</source>
        <extracomment>Title of the window that sums up an ended game</extracomment>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Each word&apos;s score (dark) beside the best possible then (light)</source>
        <extracomment>One line, 480 px wide, above the chart of the words&apos; scores; dark and light are the bars&apos; colours</extracomment>
        <translation>Score de chaque mot (foncé) et meilleur score possible à ce tour (clair)</translation>
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
        <translation>Mots du lexique&#xa0;: aucun lexique chargé</translation>
    </message>
    <message>
        <source>Letter changes: no game</source>
        <translation>Échanges de lettres&#xa0;: pas de partie</translation>
    </message>
    <message>
        <source>Letter score: no letter pointed at</source>
        <translation>Valeur de la lettre&#xa0;: aucune lettre pointée</translation>
    </message>
    <message>
        <source>Last word: none</source>
        <translation>Dernier mot&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Score: none</source>
        <translation>Score&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Why no word: nothing to explain</source>
        <translation>Pourquoi aucun mot&#xa0;: rien à expliquer</translation>
    </message>
    <message>
        <source>End game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Game summary</source>
        <extracomment>Work menu item</extracomment>
        <translation>Bilan de partie</translation>
    </message>
    <message>
        <source>Records</source>
        <extracomment>Work menu item</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Ctrl+N: new game      Ctrl+Z: continue the last game</source>
        <extracomment>Centred on the empty board; &quot;Ctrl+N&quot; and &quot;Ctrl+Z&quot; are keys and stay as they are</extracomment>
        <translation>Ctrl+N&#xa0;: nouvelle partie      Ctrl+Z&#xa0;: reprendre la dernière partie</translation>
    </message>
    <message>
        <source>Ctrl+N: new game</source>
        <extracomment>Centred on the empty board before the first game; &quot;Ctrl+N&quot; is a key</extracomment>
        <translation>Ctrl+N&#xa0;: nouvelle partie</translation>
    </message>
    <message>
        <source>No word can be made: change letters.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>Aucun mot possible&#xa0;: échangez des lettres.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <extracomment>Beside the Allow unknown words box: two lines of 130 px at most</extracomment>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <extracomment>Spoken by a screen reader for an empty stock slot; %1 is the slot&apos;s number, 1 to 7</extracomment>
        <translation>%1&#xa0;: vide</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n point(s)</source>
        <extracomment>Spoken by a screen reader for a stock slot; %1 is the slot&apos;s number, 1 to 7, %2 its letter</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %2, %n point</numerusform>
            <numerusform>%1&#xa0;: %2, %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <extracomment>Button caption, 40 px wide; its mnemonic opens the Work menu</extracomment>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Display the &quot;Work&quot; menu</source>
        <extracomment>Hint of the Work button; &quot;Work&quot; is the button&apos;s caption without its &amp;</extracomment>
        <translation>Afficher le menu «&#xa0;Jeu&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Cach.</translation>
    </message>
    <message>
        <source>You can also use &quot;Space&quot; to hide the program</source>
        <extracomment>Hint of the Hide button; &quot;Space&quot; is the key&apos;s name</extracomment>
        <translation>Vous pouvez aussi appuyer sur «&#xa0;Espace&#xa0;» (Space) pour cacher le programme</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button caption, 40 px wide</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>You can also use &quot;Alt + F4&quot; to close the program</source>
        <extracomment>Hint of the Close button; &quot;Alt + F4&quot; are the keys&apos; names</extracomment>
        <translation>Vous pouvez aussi utiliser «&#xa0;Alt + F4&#xa0;» pour fermer le programme</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <extracomment>Check box caption, 85 px wide including the box</extracomment>
        <translation>Plei&amp;n écran</translation>
    </message>
    <message>
        <source>If this is checked, the main window of the program will cover the entire screen. If you check this and the main window looks weird, just restart the program.</source>
        <translation>Si cette case est cochée, la fenêtre principale du programme couvre tout l&apos;écran. Si vous la cochez et que la fenêtre principale s&apos;affiche bizarrement, redémarrez simplement le programme.</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Label left of the columns box; about 50 px fit before the box</extracomment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Label left of the rows box; about 30 px fit before the box</extracomment>
        <translation>Rangs</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <extracomment>Label left of the dictionary&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Dico</translation>
    </message>
    <message>
        <source>Words list</source>
        <extracomment>Label left of the words list&apos;s name; about 55 px fit before the field</extracomment>
        <translation>Lexique</translation>
    </message>
    <message>
        <source>Automatically add unknown words to words list</source>
        <extracomment>Check box caption, 280 px wide including the box</extracomment>
        <translation>Ajouter d&apos;office les mots inconnus au lexique</translation>
    </message>
    <message>
        <source>The words list is automatically saved when the game is saved, if any words are added to it</source>
        <translation>Le lexique est enregistré automatiquement avec la partie si des mots y ont été ajoutés</translation>
    </message>
    <message>
        <source>Stock letters</source>
        <extracomment>Frame title above the seven stock letters, 310 px wide</extracomment>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Drag letters from and to stock and board, to swap and move them. [RMB] to change the letter.</source>
        <extracomment>Tip of two lines, 294 px wide; [RMB] is the right mouse button</extracomment>
        <translation>Glissez les lettres entre réserve et grille pour les permuter ou les déplacer. Clic droit&#xa0;: échanger la lettre.</translation>
    </message>
    <message>
        <source>1 to 7 put a letter at the board&apos;s frame; Ctrl+1 to 7 or the Menu key on a focused slot change it</source>
        <extracomment>Spoken by a screen reader; &quot;Ctrl&quot; and &quot;Menu&quot; are key names</extracomment>
        <translation>1 à 7 placent une lettre dans le cadre de la grille&#xa0;; Ctrl+1 à 7 ou la touche Menu sur un emplacement qui a le focus l&apos;échangent</translation>
    </message>
    <message>
        <source>New stock letters</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Nouvelles lettres</translation>
    </message>
    <message>
        <source>Throw away the loose letters and draw seven new stock letters</source>
        <translation>Défausser les lettres libres et tirer sept nouvelles lettres pour la réserve</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Frame title above the word&apos;s buttons, 310 px wide</extracomment>
        <translation>Mot</translation>
    </message>
    <message>
        <source>&amp;Put word on board</source>
        <extracomment>Button caption, 115 px wide</extracomment>
        <translation>&amp;Poser le mot</translation>
    </message>
    <message>
        <source>The word must be readable left to right or top to bottom</source>
        <translation>Le mot doit se lire de gauche à droite ou de haut en bas</translation>
    </message>
    <message>
        <source>Put flipped word</source>
        <extracomment>Button caption, 110 px wide</extracomment>
        <translation>Poser à l&apos;envers</translation>
    </message>
    <message>
        <source>The word must be readable right to left or bottom to top</source>
        <translation>Le mot doit se lire de droite à gauche ou de bas en haut</translation>
    </message>
    <message>
        <source>Click a button to permanently put the word on the board. All loose letters (and the letters they connect to) must form only one word.</source>
        <extracomment>Tip of three lines at most, 270 px wide</extracomment>
        <translation>Cliquez sur un bouton pour poser définitivement le mot. Les lettres libres (et celles qu&apos;elles touchent) doivent former un seul mot.</translation>
    </message>
    <message>
        <source>Enter puts the word on the board, Shift+Enter the flipped word</source>
        <extracomment>Spoken by a screen reader; &quot;Enter&quot; and &quot;Shift&quot; are key names</extracomment>
        <translation>Entrée (Enter) pose le mot sur la grille, Shift+Enter le mot à l&apos;envers</translation>
    </message>
    <message>
        <source>Allow unknown words</source>
        <extracomment>Check box caption, 140 px wide including the box</extracomment>
        <translation>Mots inconnus admis</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>Frame title above the board</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, &quot;/&quot; turns it between right and down; Backspace and Delete take letters back; Enter puts the word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your letters, the score and the frame&apos;s square aloud.</source>
        <extracomment>Hint of the board; &quot;/&quot; and &quot;R&quot; are the keys themselves and stay as they are</extracomment>
        <translation>Touches&#xa0;: 1 à 7 placent cette lettre de la réserve dans le cadre&#xa0;; les flèches déplacent le cadre, «&#xa0;/&#xa0;» bascule sa direction entre droite et bas&#xa0;; Retour arrière (Backspace) et Suppr (Delete) reprennent les lettres&#xa0;; Entrée (Enter) pose le mot, Shift+Enter le mot à l&apos;envers&#xa0;; Ctrl+1 à Ctrl+7 échangent une lettre de la réserve. R lit à voix haute vos lettres, le score et la case du cadre.</translation>
    </message>
    <message>
        <source>New game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Load dictionary</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Ouvrir un dictionnaire</translation>
    </message>
    <message>
        <source>Load last game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Load game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Analyze words list</source>
        <extracomment>Work menu item</extracomment>
        <translation>Analyser le lexique</translation>
    </message>
    <message>
        <source>Suggest word</source>
        <extracomment>Work menu item; its key is shown beside it and stays as it is</extracomment>
        <translation>Suggérer un mot</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Spoken by a screen reader: the panel of the Work, Help and About buttons</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Board size and dictionary</source>
        <extracomment>Spoken by a screen reader: the panel of the board size and the dictionary</extracomment>
        <translation>Taille de la grille et dictionnaire</translation>
    </message>
    <message>
        <source>Letters and word</source>
        <extracomment>Spoken by a screen reader: the panel of the stock letters and the word</extracomment>
        <translation>Lettres et mot</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>spoken name</comment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <comment>spoken name</comment>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <comment>spoken name</comment>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <source>Words list</source>
        <comment>spoken name</comment>
        <translation>Lexique</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Glyphmason Help</source>
        <extracomment>Title of the help window; Glyphmason is the program&apos;s name</extracomment>
        <translation>Aide de Glyphmason</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the help file&apos;s path</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide «&#xa0;%1&#xa0;».</translation>
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
        <translation>Le programme peut être réinstallé sans désinstaller sa version précédente&#xa0;; le fichier d&apos;options existant est conservé. Pour réparer l&apos;installation, réinstallez simplement le programme. Avant de continuer, fermez le programme s&apos;il est en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Button caption, 80 px wide: picks the folder to install in</extracomment>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Install %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Installer %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Bienvenue à %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Le dossier du programme sera créé dans le dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <extracomment>Window title; %1 is the program&apos;s name</extracomment>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <extracomment>Large greeting, 384 px wide; %1 is the program&apos;s name</extracomment>
        <translation>Au revoir de %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <extracomment>One line, 384 px wide</extracomment>
        <translation>Le dossier suivant va être supprimé&#xa0;:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <extracomment>Button caption, 86 px wide</extracomment>
        <translation>&amp;Désinstaller</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Best word</source>
        <translation>Meilleur mot</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
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
        <translation>Dictionnaire et grille</translation>
    </message>
    <message>
        <source>Bold, with *: the newest record</source>
        <extracomment>One line, 300 px wide, below the table; &quot;*&quot; is the mark beside the newest record&apos;s place</extracomment>
        <translation>En gras, avec *&#xa0;: le record le plus récent</translation>
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
        <translation>Place la lettre dans le cadre de la grille</translation>
    </message>
</context>
<context>
    <name>TTurnChart</name>
    <message>
        <source>No word was committed.</source>
        <extracomment>Centred in the chart of the words&apos; scores, 480 px wide, when the game had no word</extracomment>
        <translation>Aucun mot n&apos;a été posé.</translation>
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
        <translation>Valeur entière hors limites.
Elle sera remise à sa valeur par défaut.
    * Minimum = %1
    * Maximum = %2
    * Par défaut = %3</translation>
    </message>
    <message>
        <source>There is no text to copy to clipboard.</source>
        <translation>Il n&apos;y a aucun texte à copier dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>WordRule</name>
    <message>
        <source>The loose letters are not in one row or one column.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Les lettres libres ne sont ni sur une même ligne ni dans une même colonne.</translation>
    </message>
    <message>
        <source>One letter alone makes no word: put it next to a letter.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Une lettre seule ne forme pas de mot&#xa0;: placez-la à côté d&apos;une lettre.</translation>
    </message>
    <message>
        <source>The letter touches letters on more than one side.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>La lettre touche des lettres de plus d&apos;un côté.</translation>
    </message>
    <message>
        <source>A loose letter touches letters across the word.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Une lettre libre touche des lettres en travers du mot.</translation>
    </message>
    <message>
        <source>The loose letters leave a gap.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Les lettres libres laissent un trou.</translation>
    </message>
    <message>
        <source>The word does not run through a letter already on the board.</source>
        <extracomment>Shown and spoken under the word buttons while they are disabled; it wraps</extracomment>
        <translation>Le mot ne passe par aucune lettre déjà sur la grille.</translation>
    </message>
</context>
<context>
    <name>WordsList</name>
    <message numerus="yes">
        <source>There are %n words in the words list; new words.</source>
        <extracomment>Label, 290 px wide; &quot;new words&quot;: words the player added, not yet saved</extracomment>
        <translation>
            <numerusform>Le lexique contient %n mot&#xa0;; mot ajouté.</numerusform>
            <numerusform>Le lexique contient %n mots&#xa0;; mots ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n words in the words list.</source>
        <extracomment>Label, 290 px wide</extracomment>
        <translation>
            <numerusform>Le lexique contient %n mot.</numerusform>
            <numerusform>Le lexique contient %n mots.</numerusform>
        </translation>
    </message>
</context>
</TS>
