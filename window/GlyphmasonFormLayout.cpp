// The main window's controls, created from the fixed design: every control
// by its name, place, size, caption, hint and first state.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "Libraries/Error/ui/GuardedApplication.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Program/HelpSystem.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Text/ui/PlayerLanguage.h"
#include "window/Announcer.h"
#include "window/BoardView.h"
#include "window/GameOverForm.h"
#include "window/GlyphmasonForm.h"
#include "window/HelpWindow.h"
#include "window/StockPanel.h"
#include "window/Hints.h"
#include "window/RecordsForm.h"
#include "window/StockAccessible.h"

namespace {

constexpr int kDesignWidth = 758;
constexpr int kDesignHeight = 528;
constexpr int kStockPanelSize = 40;

QFrame* LoweredPanel(QWidget* parent, const char* name, QRect bounds) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(bounds);
  return panel;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect bounds,
                    const QString& hint = QString()) {
  QPushButton* button = MakeButton(parent, name, caption, bounds);
  if (!hint.isEmpty()) {
    button->setToolTip(hint);
    button->setToolTipDuration(kHintHidePause);
  }
  return button;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  QLabel* label = MakeLabel(parent, name, caption, QRect(at, QSize()));
  label->adjustSize();
  return label;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, QRect bounds,
                    const QString& hint, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(bounds);
  box->setChecked(checked);
  if (!hint.isEmpty()) {
    box->setToolTip(hint);
    box->setToolTipDuration(kHintHidePause);
  }
  return box;
}

QComboBox* BoardSizeBox(QWidget* parent, const char* name, QPoint at) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (int size = kMinBoardSize; size <= kMaxBoardSize; ++size) {
    box->addItem(QString::number(size));
  }
  box->setMaxVisibleItems(kMaxBoardSize - kMinBoardSize + 1);
  box->setGeometry(at.x(), at.y(), 50, 22);
  return box;
}

QLineEdit* ReadOnlyEdit(QWidget* parent, const char* name, QRect bounds) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setGeometry(bounds);
  QPalette colours = edit->palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::Button));
  edit->setPalette(colours);
  return edit;
}

}  // namespace

TGlyphmasonForm::TGlyphmasonForm(QWidget* parent)
    : QWidget(parent, kFixedMainWindowFlags),
      Session(*this),
      Drag(this) {
  setObjectName("GlyphmasonForm");
  setWindowTitle(kProgramTitle);
  SetProgramFont(*this);
  resize(kDesignWidth, kDesignHeight);
  InstallGameAccessibility();
  CreateControls();
  NameControlsForScreenReaders();
  Announcer = new TAnnouncer(this);

  Hints = std::make_unique<THints>(this);
  SetApplicationHelpFile(ProgramDirFileInPlayerLanguage("Help.hlp"));
  HelpWindow = std::make_unique<THelpWindow>(this);

  Session.StartUp();
  ColumnsCountComboBox->setCurrentText(QString::number(kDefaultBoardSize));
  RowsCountComboBox->setCurrentText(QString::number(kDefaultBoardSize));

  ConnectDragTargets();
  connect(&FrameCheckTimer, &QTimer::timeout, this, [this] { CheckFrame(); });
  qApp->installEventFilter(this);
}

TGlyphmasonForm::~TGlyphmasonForm() {
  qApp->removeEventFilter(this);
}

void TGlyphmasonForm::CreateControls() {
  CreateMenuPanel();
  CreateMainPanel();
  CreateLettersPanel();
  CreateBoard();
  CreateWorkMenu();
  CreateGameEndControls();
  ConnectKeyboardFocus();
}

void TGlyphmasonForm::CreateMenuPanel() {
  MenuPanel = LoweredPanel(this, "MenuPanel", {5, 5, 330, 35});
  //: Button caption, 40 px wide; its mnemonic opens the Work menu
  const QString work = tr("&Work");
  //: Hint of the Work button; "Work" is the button's caption without its &
  const QString workHint = tr("Display the \"Work\" menu");
  WorkButton = Button(MenuPanel, "WorkButton", work, {10, 5, 40, 25}, workHint);
  //: Button caption, 40 px wide
  HelpButton = Button(MenuPanel, "HelpButton", tr("&Help"), {55, 5, 40, 25});
  //: Button caption, 40 px wide
  AboutButton = Button(MenuPanel, "AboutButton", tr("&About"), {100, 5, 40, 25});
  //: Button caption, 40 px wide
  const QString hide = tr("Hide");
  //: Hint of the Hide button; "Space" is the key's name
  const QString hideHint = tr("You can also use \"Space\" to hide the program");
  HideButton = Button(MenuPanel, "HideButton", hide, {145, 5, 40, 25}, hideHint);
  //: Button caption, 40 px wide
  const QString close = tr("Close");
  //: Hint of the Close button; "Alt + F4" are the keys' names
  const QString closeHint = tr("You can also use \"Alt + F4\" to close the program");
  CloseButton = Button(MenuPanel, "CloseButton", close, {190, 5, 40, 25}, closeHint);
  //: Check box caption, 85 px wide including the box
  const QString fullScreen = tr("&Full screen");
  const QString fullScreenHint =
      tr("If this is checked, the main window of the program will cover the entire screen. If you "
         "check this and the main window looks weird, just restart the program.");
  FullScreenCheckBox = CheckBox(MenuPanel, "FullScreenCheckBox", fullScreen, {240, 10, 85, 17},
                                fullScreenHint, false);
  connect(WorkButton, &QPushButton::clicked, this, [this] { WorkButtonClick(); });
  connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
  connect(AboutButton, &QPushButton::clicked, this, [this] { AboutButtonClick(); });
  connect(HideButton, &QPushButton::clicked, this, [this] { HideButtonClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
  connect(FullScreenCheckBox, &QCheckBox::toggled, this, [this] { FullScreenCheckBoxClick(); });
}

void TGlyphmasonForm::CreateMainPanel() {
  MainPanel = LoweredPanel(this, "MainPanel", {5, 45, 330, 115});
  //: Label left of the columns box; about 50 px fit before the box
  ColumnsCountLabel = Label(MainPanel, "ColumnsCountLabel", tr("Columns"), {10, 15});
  ColumnsCountComboBox = BoardSizeBox(MainPanel, "ColumnsCountComboBox", {65, 10});
  //: Label left of the rows box; about 30 px fit before the box
  RowsCountLabel = Label(MainPanel, "RowsCountLabel", tr("Rows"), {135, 15});
  RowsCountComboBox = BoardSizeBox(MainPanel, "RowsCountComboBox", {170, 10});
  //: Label left of the dictionary's name; about 55 px fit before the field
  DictionaryLabel = Label(MainPanel, "DictionaryLabel", tr("Dictionary"), {10, 45});
  DictionaryEdit = ReadOnlyEdit(MainPanel, "DictionaryEdit", {70, 40, 100, 22});
  //: Label left of the words list's name; about 55 px fit before the field
  WordsListLabel = Label(MainPanel, "WordsListLabel", tr("Words list"), {180, 45});
  WordsListEdit = ReadOnlyEdit(MainPanel, "WordsListEdit", {240, 40, 80, 22});
  WordsInDictionaryLabel = Label(MainPanel, "WordsInDictionaryLabel", "", {30, 70});
  WordsInDictionaryLabel->resize(290, 16);
  //: Check box caption, 280 px wide including the box
  const QString addToWordsList = tr("Automatically add unknown words to words list");
  const QString addToWordsListHint =
      tr("The words list is automatically saved when the game is saved, if any words are added "
         "to it");
  AddToWordsListCheckBox = CheckBox(MainPanel, "AddToWordsListCheckBox", addToWordsList,
                                    {30, 90, 280, 17}, addToWordsListHint, true);
}

void TGlyphmasonForm::CreateLettersPanel() {
  LettersPanel = LoweredPanel(this, "LettersPanel", {5, 165, 330, 345});
  //: Frame title above the seven stock letters, 310 px wide
  StockLettersGroupBox = new QGroupBox(tr("Stock letters"), LettersPanel);
  StockLettersGroupBox->setObjectName("StockLettersGroupBox");
  StockLettersGroupBox->setGeometry(10, 5, 310, 155);
  for (int slot = 0; slot < kStockSlots; ++slot) {
    auto* panel = new TStockPanel(StockLettersGroupBox);
    panel->setObjectName(QString("StockLetter%1Panel").arg(slot + 1));
    panel->setGeometry(8 + slot * (kStockPanelSize + 2), 20, kStockPanelSize, kStockPanelSize);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMouseTracking(true);
    QFont letters = LetterFont(kDefaultFontName, panel->font());
    letters.setPixelSize(27);
    panel->setFont(letters);
    panel->installEventFilter(this);
    StockLetterPanels[slot] = panel;
  }
  //: Tip of two lines, 294 px wide; [RMB] is the right mouse button
  DragTipLabel = new QLabel(
      tr("Drag letters from and to stock and board, to swap and move them. [RMB] to change the "
         "letter."),
      StockLettersGroupBox);
  DragTipLabel->setObjectName("DragTipLabel");
  // The tip speaks of the mouse; a screen reader also hears the keys.
  //: Spoken by a screen reader; "Ctrl" and "Menu" are key names
  DragTipLabel->setAccessibleDescription(
      tr("1 to 7 put a letter at the board's frame; Ctrl+1 to 7 or the Menu key on a focused "
         "slot change it"));
  DragTipLabel->setWordWrap(true);
  DragTipLabel->setGeometry(8, 64, 294, 30);
  //: Button caption, 110 px wide
  const QString newStockLetters = tr("New stock letters");
  const QString newStockLettersHint =
      tr("Throw away the loose letters and draw seven new stock letters");
  NewStockLettersButton = Button(StockLettersGroupBox, "NewStockLettersButton", newStockLetters,
                                 {8, 98, 110, 25}, newStockLettersHint);
  NewStockLettersButton->setEnabled(false);
  LetterChangesLabel = Label(StockLettersGroupBox, "LetterChangesLabel", "", {125, 104});
  LetterChangesLabel->resize(180, 16);
  LetterScoreLabel = Label(StockLettersGroupBox, "LetterScoreLabel", "", {8, 130});
  LetterScoreLabel->resize(294, 16);
  connect(NewStockLettersButton, &QPushButton::clicked, this,
          [this] { NewStockLettersButtonClick(); });

  //: Frame title above the word's buttons, 310 px wide
  WordGroupBox = new QGroupBox(tr("Word"), LettersPanel);
  WordGroupBox->setObjectName("WordGroupBox");
  WordGroupBox->setGeometry(10, 165, 310, 170);
  //: Button caption, 115 px wide
  const QString putWord = tr("&Put word on board");
  const QString putWordHint = tr("The word must be readable left to right or top to bottom");
  PutWordButton = Button(WordGroupBox, "PutWordButton", putWord, {10, 20, 115, 25}, putWordHint);
  //: Button caption, 110 px wide
  const QString putFlippedWord = tr("Put flipped word");
  const QString putFlippedWordHint =
      tr("The word must be readable right to left or bottom to top");
  PutFlippedWordButton = Button(WordGroupBox, "PutFlippedWordButton", putFlippedWord,
                                {130, 20, 110, 25}, putFlippedWordHint);
  //: Tip of three lines at most, 270 px wide
  AcceptWordTipLabel = new QLabel(
      tr("Click a button to permanently put the word on the board. All loose letters (and the "
         "letters they connect to) must form only one word."),
      WordGroupBox);
  AcceptWordTipLabel->setObjectName("AcceptWordTipLabel");
  //: Spoken by a screen reader; "Enter" and "Shift" are key names
  AcceptWordTipLabel->setAccessibleDescription(
      tr("Enter puts the word on the board, Shift+Enter the flipped word"));
  AcceptWordTipLabel->setWordWrap(true);
  AcceptWordTipLabel->setGeometry(30, 50, 270, 45);
  //: Check box caption, 140 px wide including the box
  AllowUnknownWordsCheckBox = CheckBox(WordGroupBox, "AllowUnknownWordsCheckBox",
                                       tr("Allow unknown words"), {30, 100, 140, 17}, QString(),
                                       true);
  ValidWordLabel = Label(WordGroupBox, "ValidWordLabel", "", {10, 125});
  ValidWordLabel->resize(290, 16);
  ScoreLabel = Label(WordGroupBox, "ScoreLabel", "", {10, 145});
  ScoreLabel->resize(290, 16);
  WhyNoWordLabel = new QLabel(WordGroupBox);
  WhyNoWordLabel->setObjectName("WhyNoWordLabel");
  WhyNoWordLabel->setWordWrap(true);
  WhyNoWordLabel->setGeometry(AcceptWordTipLabel->geometry());
  WhyNoWordLabel->hide();
  connect(PutWordButton, &QPushButton::clicked, this, [this] { PutWordButtonClick(); });
  connect(PutFlippedWordButton, &QPushButton::clicked, this,
          [this] { PutFlippedWordButtonClick(); });
}

void TGlyphmasonForm::CreateBoard() {
  //: Frame title above the board
  BoardGroupBox = new QGroupBox(tr("Board"), this);
  BoardGroupBox->setObjectName("BoardGroupBox");
  BoardGroupBox->setGeometry(340, 0, 425, 510);
  BoardGroupBox->setMouseTracking(true);
  BoardGroupBox->installEventFilter(this);
  BoardPaintBox = new TBoardPaintBox(BoardGroupBox);
  BoardPaintBox->setGeometry(5, 20, 415, 480);
  BoardPaintBox->SetBoard(&Game.Board, Game.ColumnsCount, Game.RowsCount);
  BoardPaintBox->installEventFilter(this);
  BoardPaintBox->hide();
  //: Hint of the board; "/" and "R" are the keys themselves and stay as they are
  BoardPaintBox->setToolTip(
      tr("Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, \"/\" "
         "turns it between right and down; Backspace and Delete take letters back; Enter puts the "
         "word, Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads "
         "your letters, the score and the frame's square aloud."));
  BoardPaintBox->setToolTipDuration(kHintHidePause);
}

void TGlyphmasonForm::CreateWorkMenu() {
  WorkMenu = new QMenu(this);
  WorkMenu->setObjectName("WorkMenu");
  const auto item = [this](const char* name, const QString& caption, const char* key,
                           void (TGlyphmasonForm::*handler)()) {
    // The key is shown beside the item only, not bound to it: the window's
    // key handler runs the commands.
    QAction* action = WorkMenu->addAction(key == nullptr ? caption
                                                         : QString("%1\t%2").arg(caption, key));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  //: Work menu item; its key is shown beside it and stays as it is
  NewGameMenu = item("NewGameMenu", tr("New game"), "Ctrl+N", &TGlyphmasonForm::NewGameMenuClick);
  //: Work menu item; its key is shown beside it and stays as it is
  LoadDictionaryMenu = item("LoadDictionaryMenu", tr("Load dictionary"), "D",
                            &TGlyphmasonForm::LoadDictionaryMenuClick);
  WorkMenu->addSeparator();
  //: Work menu item; its key is shown beside it and stays as it is
  LoadLastGameMenu = item("LoadLastGameMenu", tr("Load last game"), "Ctrl+Z",
                          &TGlyphmasonForm::LoadLastGameMenuClick);
  //: Work menu item; its key is shown beside it and stays as it is
  LoadGameMenu = item("LoadGameMenu", tr("Load game"), "L", &TGlyphmasonForm::LoadGameMenuClick);
  //: Work menu item; its key is shown beside it and stays as it is
  SaveGameMenu = item("SaveGameMenu", tr("Save game"), "S", &TGlyphmasonForm::SaveGameMenuClick);
  WorkMenu->addSeparator();
  //: Work menu item
  AnalyzeWordsListMenu = item("AnalyzeWordsListMenu", tr("Analyze words list"), nullptr,
                              &TGlyphmasonForm::AnalyzeWordsListMenuClick);
  WorkMenu->addSeparator();
  //: Work menu item; its key is shown beside it and stays as it is
  SuggestWordMenu =
      item("SuggestWordMenu", tr("Suggest word"), "H", &TGlyphmasonForm::SuggestWordMenuClick);
}

void TGlyphmasonForm::NameControlsForScreenReaders() {
  //: Spoken by a screen reader: the panel of the Work, Help and About buttons
  MenuPanel->setAccessibleName(tr("Menu"));
  //: Spoken by a screen reader: the panel of the board size and the dictionary
  MainPanel->setAccessibleName(tr("Board size and dictionary"));
  //: Spoken by a screen reader: the panel of the stock letters and the word
  LettersPanel->setAccessibleName(tr("Letters and word"));
  // The names a screen reader says are texts of their own: a caption may
  // have to be shortened to fit its fixed place, a spoken name never.
  ColumnsCountComboBox->setAccessibleName(tr("Columns", "spoken name"));
  RowsCountComboBox->setAccessibleName(tr("Rows", "spoken name"));
  DictionaryEdit->setAccessibleName(tr("Dictionary", "spoken name"));
  WordsListEdit->setAccessibleName(tr("Words list", "spoken name"));
  BoardPaintBox->setAccessibleName(tr("Board"));
  ColumnsCountLabel->setBuddy(ColumnsCountComboBox);
  RowsCountLabel->setBuddy(RowsCountComboBox);
  DictionaryLabel->setBuddy(DictionaryEdit);
  WordsListLabel->setBuddy(WordsListEdit);
  for (QLabel* label : {WordsInDictionaryLabel, LetterChangesLabel, LetterScoreLabel,
                        ValidWordLabel, ScoreLabel, WhyNoWordLabel}) {
    ShowLabelText(*label, label->text());
  }
}
