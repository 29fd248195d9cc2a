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

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect bounds,
                    const char* hint = nullptr) {
  QPushButton* button = MakeButton(parent, name, caption, bounds);
  if (hint != nullptr) {
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

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, QRect bounds,
                    const char* hint, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(bounds);
  box->setChecked(checked);
  if (hint != nullptr) {
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
  WorkButton = Button(MenuPanel, "WorkButton", "&Work", {10, 5, 40, 25},
                      "Display the \"Work\" menu");
  HelpButton = Button(MenuPanel, "HelpButton", "&Help", {55, 5, 40, 25});
  AboutButton = Button(MenuPanel, "AboutButton", "&About", {100, 5, 40, 25});
  HideButton = Button(MenuPanel, "HideButton", "Hide", {145, 5, 40, 25},
                      "You can also use \"Space\" to hide the program");
  CloseButton = Button(MenuPanel, "CloseButton", "Close", {190, 5, 40, 25},
                       "You can also use \"Alt + F4\" to close the program");
  FullScreenCheckBox = CheckBox(
      MenuPanel, "FullScreenCheckBox", "&Full screen", {240, 10, 85, 17},
      "If this is checked, the main window of the program will cover the entire screen. If you "
      "check this and the main window looks weird, just restart the program.",
      false);
  connect(WorkButton, &QPushButton::clicked, this, [this] { WorkButtonClick(); });
  connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
  connect(AboutButton, &QPushButton::clicked, this, [this] { AboutButtonClick(); });
  connect(HideButton, &QPushButton::clicked, this, [this] { HideButtonClick(); });
  connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
  connect(FullScreenCheckBox, &QCheckBox::toggled, this, [this] { FullScreenCheckBoxClick(); });
}

void TGlyphmasonForm::CreateMainPanel() {
  MainPanel = LoweredPanel(this, "MainPanel", {5, 45, 330, 115});
  ColumnsCountLabel = Label(MainPanel, "ColumnsCountLabel", "Columns", {10, 15});
  ColumnsCountComboBox = BoardSizeBox(MainPanel, "ColumnsCountComboBox", {65, 10});
  RowsCountLabel = Label(MainPanel, "RowsCountLabel", "Rows", {135, 15});
  RowsCountComboBox = BoardSizeBox(MainPanel, "RowsCountComboBox", {170, 10});
  DictionaryLabel = Label(MainPanel, "DictionaryLabel", "Dictionary", {10, 45});
  DictionaryEdit = ReadOnlyEdit(MainPanel, "DictionaryEdit", {70, 40, 100, 22});
  WordsListLabel = Label(MainPanel, "WordsListLabel", "Words list", {180, 45});
  WordsListEdit = ReadOnlyEdit(MainPanel, "WordsListEdit", {240, 40, 80, 22});
  WordsInDictionaryLabel = Label(MainPanel, "WordsInDictionaryLabel", "", {30, 70});
  WordsInDictionaryLabel->resize(290, 16);
  AddToWordsListCheckBox = CheckBox(
      MainPanel, "AddToWordsListCheckBox", "Automatically add unknown words to words list",
      {30, 90, 280, 17},
      "The words list is automatically saved when the game is saved, if any words are added to "
      "it",
      true);
}

void TGlyphmasonForm::CreateLettersPanel() {
  LettersPanel = LoweredPanel(this, "LettersPanel", {5, 165, 330, 345});
  StockLettersGroupBox = new QGroupBox("Stock letters", LettersPanel);
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
  DragTipLabel = new QLabel(
      "Drag letters from and to stock and board, to swap and move them. [RMB] to change the "
      "letter.",
      StockLettersGroupBox);
  DragTipLabel->setObjectName("DragTipLabel");
  // The tip speaks of the mouse; a screen reader also hears the keys.
  DragTipLabel->setAccessibleDescription(
      "1 to 7 put a letter at the board's frame; Ctrl+1 to 7 or the Menu key on a focused slot "
      "change it");
  DragTipLabel->setWordWrap(true);
  DragTipLabel->setGeometry(8, 64, 294, 30);
  NewStockLettersButton =
      Button(StockLettersGroupBox, "NewStockLettersButton", "New stock letters",
             {8, 98, 110, 25}, "Throw away the loose letters and draw seven new stock letters");
  NewStockLettersButton->setEnabled(false);
  LetterChangesLabel = Label(StockLettersGroupBox, "LetterChangesLabel", "", {125, 104});
  LetterChangesLabel->resize(180, 16);
  LetterScoreLabel = Label(StockLettersGroupBox, "LetterScoreLabel", "", {8, 130});
  LetterScoreLabel->resize(294, 16);
  connect(NewStockLettersButton, &QPushButton::clicked, this,
          [this] { NewStockLettersButtonClick(); });

  WordGroupBox = new QGroupBox("Word", LettersPanel);
  WordGroupBox->setObjectName("WordGroupBox");
  WordGroupBox->setGeometry(10, 165, 310, 170);
  PutWordButton = Button(WordGroupBox, "PutWordButton", "&Put word on board", {10, 20, 115, 25},
                         "The word must be readable left to right or top to bottom");
  PutFlippedWordButton =
      Button(WordGroupBox, "PutFlippedWordButton", "Put flipped word", {130, 20, 110, 25},
             "The word must be readable right to left or bottom to top");
  AcceptWordTipLabel = new QLabel(
      "Click a button to permanently put the word on the board. All loose letters (and the "
      "letters they connect to) must form only one word.",
      WordGroupBox);
  AcceptWordTipLabel->setObjectName("AcceptWordTipLabel");
  AcceptWordTipLabel->setAccessibleDescription(
      "Enter puts the word on the board, Shift+Enter the flipped word");
  AcceptWordTipLabel->setWordWrap(true);
  AcceptWordTipLabel->setGeometry(30, 50, 270, 45);
  AllowUnknownWordsCheckBox = CheckBox(WordGroupBox, "AllowUnknownWordsCheckBox",
                                       "Allow unknown words", {30, 100, 140, 17}, nullptr, true);
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
  BoardGroupBox = new QGroupBox("Board", this);
  BoardGroupBox->setObjectName("BoardGroupBox");
  BoardGroupBox->setGeometry(340, 0, 425, 510);
  BoardGroupBox->setMouseTracking(true);
  BoardGroupBox->installEventFilter(this);
  BoardPaintBox = new TBoardPaintBox(BoardGroupBox);
  BoardPaintBox->setGeometry(5, 20, 415, 480);
  BoardPaintBox->SetBoard(&Game.Board, Game.ColumnsCount, Game.RowsCount);
  BoardPaintBox->installEventFilter(this);
  BoardPaintBox->hide();
  BoardPaintBox->setToolTip(
      "Keys: 1 to 7 put that stock letter in the frame; the arrows move the frame, \"/\" turns "
      "it between right and down; Backspace and Delete take letters back; Enter puts the word, "
      "Shift+Enter the flipped word; Ctrl+1 to Ctrl+7 change a stock letter. R reads your "
      "letters, the score and the frame's square aloud.");
  BoardPaintBox->setToolTipDuration(kHintHidePause);
}

void TGlyphmasonForm::CreateWorkMenu() {
  WorkMenu = new QMenu(this);
  WorkMenu->setObjectName("WorkMenu");
  const auto item = [this](const char* name, const char* caption, const char* key,
                           void (TGlyphmasonForm::*handler)()) {
    // The key is shown beside the item only, not bound to it: the window's
    // key handler runs the commands.
    QAction* action = WorkMenu->addAction(key == nullptr ? QString(caption)
                                                         : QString("%1\t%2").arg(caption, key));
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  NewGameMenu = item("NewGameMenu", "New game", "Ctrl+N", &TGlyphmasonForm::NewGameMenuClick);
  LoadDictionaryMenu =
      item("LoadDictionaryMenu", "Load dictionary", "D", &TGlyphmasonForm::LoadDictionaryMenuClick);
  WorkMenu->addSeparator();
  LoadLastGameMenu =
      item("LoadLastGameMenu", "Load last game", "Ctrl+Z", &TGlyphmasonForm::LoadLastGameMenuClick);
  LoadGameMenu = item("LoadGameMenu", "Load game", "L", &TGlyphmasonForm::LoadGameMenuClick);
  SaveGameMenu = item("SaveGameMenu", "Save game", "S", &TGlyphmasonForm::SaveGameMenuClick);
  WorkMenu->addSeparator();
  AnalyzeWordsListMenu = item("AnalyzeWordsListMenu", "Analyze words list", nullptr,
                              &TGlyphmasonForm::AnalyzeWordsListMenuClick);
  WorkMenu->addSeparator();
  SuggestWordMenu =
      item("SuggestWordMenu", "Suggest word", "H", &TGlyphmasonForm::SuggestWordMenuClick);
}

void TGlyphmasonForm::NameControlsForScreenReaders() {
  MenuPanel->setAccessibleName("Menu");
  MainPanel->setAccessibleName("Board size and dictionary");
  LettersPanel->setAccessibleName("Letters and word");
  ColumnsCountComboBox->setAccessibleName("Columns");
  RowsCountComboBox->setAccessibleName("Rows");
  DictionaryEdit->setAccessibleName("Dictionary");
  WordsListEdit->setAccessibleName("Words list");
  BoardPaintBox->setAccessibleName("Board");
  ColumnsCountLabel->setBuddy(ColumnsCountComboBox);
  RowsCountLabel->setBuddy(RowsCountComboBox);
  DictionaryLabel->setBuddy(DictionaryEdit);
  WordsListLabel->setBuddy(WordsListEdit);
  for (QLabel* label : {WordsInDictionaryLabel, LetterChangesLabel, LetterScoreLabel,
                        ValidWordLabel, ScoreLabel, WhyNoWordLabel}) {
    ShowLabelText(*label, label->text());
  }
}
