#pragma once
// The game's one window: lays out and paints the controls, shows what the
// game session tells it (ISessionView) and turns the player's clicks, keys
// and mouse moves into the session's commands. The session owns the game,
// its dictionary, files, records and undo history.

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "session/GameSession.h"
#include "window/DragController.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QFrame;
class QScreen;
class TBoardPaintBox;
class TGameOverForm;
class TRecordsForm;
class THelpWindow;
class THints;
class TAnnouncer;
struct TGameSettings;

// Shows the text on the label; while it is empty, a screen reader gets a
// name for the label from its place ("Score: none") instead of nothing.
void ShowLabelText(QLabel& label, const QString& text);

class TGlyphmasonForm : public QWidget, public ISessionView {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 100;

  explicit TGlyphmasonForm(QWidget* parent = nullptr);
  ~TGlyphmasonForm() override;

  // Creates the data folders, reads the options, applies the window mode and
  // builds the letter-choice panels; failures end in one error dialog.
  void BeforeRun();
  // Windowed (95 % of the work area, centred) or full screen, as the check
  // box says; the board area follows the window's size.
  void ApplyWindowMode();
  // The work area of the screen the window is on, from which the window mode
  // is computed; tests may set it.
  QRect WorkArea() const;
  void SetWorkAreaForTesting(QRect area) { WorkAreaOverride = area; }

  // --- The game session: the game, its files and records ---------------------
  TGameSession Session;
  TGame& Game = Session.Game;
  TDictionary& Dictionary = Session.Dictionary;

  // --- Work menu: each runs the session's command ----------------------------
  void NewGameMenuClick();
  void LoadDictionaryMenuClick();
  void LoadLastGameMenuClick();
  void LoadGameMenuClick();
  void SaveGameMenuClick();
  void AnalyzeWordsListMenuClick();
  // Not while a letter is being dragged: the letters are in hand.
  void SuggestWordMenuClick();
  void EndGameMenuClick();
  void GameSummaryMenuClick();
  void RecordsMenuClick();
  void UndoMenuClick();
  void RedoMenuClick();

  // --- Window commands -------------------------------------------------------
  void WorkButtonClick();
  void HelpButtonClick();
  void AboutButtonClick();
  void HideButtonClick();
  void CloseButtonClick();
  void FullScreenCheckBoxClick();
  void PutWordButtonClick();
  void PutFlippedWordButtonClick();
  void NewStockLettersButtonClick();
  // The key commands; the key goes on to the focused control afterwards.
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

  // --- Playing from the keyboard ----------------------------------------------
  // The keys of keyboard play, after the key commands: stock digits, the
  // board's cursor keys, Enter on buttons, F1, F11, and Alt+Backspace (undo)
  // and Shift+Alt+Backspace (redo). True when the key was used and goes no
  // further.
  bool PlayKey(int key, Qt::KeyboardModifiers modifiers);
  // The stock slot's letter goes onto the cursor square as a drag would put
  // it there, and the cursor moves on; a beep and no change when the slot is
  // empty or the square occupied.
  void PutStockLetterAtCursor(int slot);
  // The letter choice for the slot, as the right mouse button opens it.
  void ChangeStockLetter(int slot);
  // What a screen reader says for a stock slot: "3: K, 5 points", "4: empty".
  QString StockSlotAccessibleName(int slot) const;
  // Why a commit is not possible, while loose letters lie on the board and
  // the commit buttons are disabled; hidden otherwise.
  void ShowWhyNoWord();
  int StockSlotOf(const QWidget* control) const;

  // --- Letter moves (mouse positions in the control's own pixels) ------------
  void StockLetterPanelMouseDown(int slot, Qt::MouseButton button);
  void StockLetterPanelMouseMove(int slot);
  void BoardPaintBoxMouseDown(QPoint point, Qt::MouseButton button);
  void BoardPaintBoxMouseMove(QPoint point);
  void BoardGroupBoxMouseMove(QPoint point);
  TDragController Drag;

  // --- IGameDisplay ----------------------------------------------------------
  void SetPutButtonsEnabled(bool enabled) override;
  void RepaintCell(int32_t column, int32_t row) override;
  void BoardSizeChanged(int32_t columns, int32_t rows) override;
  void ShowWholeBoard() override;
  void SetStockLetter(int32_t slot, char letter) override;
  void SetNewStockLettersEnabled(bool enabled) override;
  void SetLetterChangesLabel(const std::string& text) override;
  void SetScoreLabel(const std::string& text) override;
  void SetLetterScoreLabel(const std::string& text) override;
  void SetValidWordLabel(const std::string& text) override;
  void SetWordsCountLabel(const std::string& text) override;
  void SetCaption(const std::string& text) override;
  void ShowPlayState(TPlayState state) override;

  // --- IDictionaryDisplay ----------------------------------------------------
  void SetDictionaryNames(const std::string& dictionary, const std::string& wordsList) override;
  void SetLetterFont(const std::string& fontName) override;
  void SetChoiceLetters(const std::string& fontName,
                        const std::array<char, kMaxAlphabetSlots>& alphabet) override;

  // --- ISessionView ------------------------------------------------------------
  TBoardSize ChosenBoardSize() override;
  TBoardSize ShownBoardSize() override;
  TUnknownWordRules ChosenUnknownWordRules() const override;
  bool FullScreenChosen() const override;
  void ShowSettings(const TGameSettings& settings) override;
  void ShowFullScreen(bool fullScreen) override;
  void ShowStartPrompt(bool lastGameExists) override;
  // Says the sentence (Windows-1252 text) while the focus stays where it is.
  void Say(const std::string& text) override;
  void ShowSummary(const TSummaryFacts& facts) override;
  void ShowRecords(const TRecords& records, const std::string& table) override;
  void SetUndoRedoEnabled(bool undo, bool redo) override;
  char AskReplacementLetter(int32_t slot, char current) override;
  bool CopyReportToClipboard(const std::string& report) override;

  // --- Controls --------------------------------------------------------------
  QFrame* MenuPanel = nullptr;
  QPushButton* WorkButton = nullptr;
  QPushButton* HelpButton = nullptr;
  QPushButton* AboutButton = nullptr;
  QPushButton* HideButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QCheckBox* FullScreenCheckBox = nullptr;
  QFrame* MainPanel = nullptr;
  QLabel* ColumnsCountLabel = nullptr;
  QComboBox* ColumnsCountComboBox = nullptr;
  QLabel* RowsCountLabel = nullptr;
  QComboBox* RowsCountComboBox = nullptr;
  QLabel* DictionaryLabel = nullptr;
  QLineEdit* DictionaryEdit = nullptr;
  QLabel* WordsListLabel = nullptr;
  QLineEdit* WordsListEdit = nullptr;
  QLabel* WordsInDictionaryLabel = nullptr;
  QCheckBox* AddToWordsListCheckBox = nullptr;
  QFrame* LettersPanel = nullptr;
  QGroupBox* StockLettersGroupBox = nullptr;
  std::array<QLabel*, kStockSlots> StockLetterPanels{};
  QLabel* DragTipLabel = nullptr;
  QPushButton* NewStockLettersButton = nullptr;
  QLabel* LetterChangesLabel = nullptr;
  QLabel* LetterScoreLabel = nullptr;
  QGroupBox* WordGroupBox = nullptr;
  QPushButton* PutWordButton = nullptr;
  QPushButton* PutFlippedWordButton = nullptr;
  QLabel* AcceptWordTipLabel = nullptr;
  QCheckBox* AllowUnknownWordsCheckBox = nullptr;
  QLabel* ValidWordLabel = nullptr;
  QLabel* ScoreLabel = nullptr;
  // In the tip's place while the loose letters make no word.
  QLabel* WhyNoWordLabel = nullptr;
  QGroupBox* BoardGroupBox = nullptr;
  TBoardPaintBox* BoardPaintBox = nullptr;
  QMenu* WorkMenu = nullptr;
  QAction* NewGameMenu = nullptr;
  QAction* LoadDictionaryMenu = nullptr;
  QAction* LoadLastGameMenu = nullptr;
  QAction* LoadGameMenu = nullptr;
  QAction* SaveGameMenu = nullptr;
  QAction* AnalyzeWordsListMenu = nullptr;
  QAction* SuggestWordMenu = nullptr;
  QAction* EndGameMenu = nullptr;
  QAction* GameSummaryMenu = nullptr;
  QAction* RecordsMenu = nullptr;
  QAction* UndoMenu = nullptr;
  QAction* RedoMenu = nullptr;
  // How to start, shown on the board's frame while no game is shown.
  QLabel* StartPromptLabel = nullptr;
  // Says when the letters on hand make no word, and when the game is over.
  QLabel* PlayStateLabel = nullptr;
  std::unique_ptr<TGameOverForm> GameOverForm;
  std::unique_ptr<TRecordsForm> RecordsForm;
  std::unique_ptr<THelpWindow> HelpWindow;
  // The hints of the controls, on the program's own schedule.
  std::unique_ptr<THints> Hints;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // A drag ends without a drop when the window loses the focus or is
  // minimised: the button's release may never reach it.
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  // The screen the window is on; the primary one before it is placed.
  const QScreen* WindowScreen() const;
  // The board group box and paint area fill the window's client area as it
  // is now; the squares follow.
  void LayOutBoard();
  // The frame's size around the client area: none until a window manager
  // has framed the window.
  QSize Decoration() const;
  // Applies the windowed mode again when the frame has changed since.
  void FollowWindowChange();
  // Looks at the frame a few times in the next two seconds.
  void WatchFrame();
  void CheckFrame();
  void CreateMenuPanel();
  void CreateMainPanel();
  void CreateLettersPanel();
  void CreateBoard();
  void CreateWorkMenu();
  // Names the panels and the controls without a caption of their own.
  void NameControlsForScreenReaders();
  // What the game says to a screen reader.
  TAnnouncer* Announcer = nullptr;
  // The start prompt, the play-state label and the items of a game's end.
  void CreateGameEndControls();
  void ConnectDragTargets();
  void SetStockCursor(int slot);
  void SetBoardCursor(QPoint point);
  TDragSource DragSourceOf(const QWidget* control) const;
  // Keys of a focused board: cursor moves, direction, taking back, commits.
  bool BoardKey(int key, Qt::KeyboardModifiers modifiers);

  // Keyboard play of the stock and the focus.
  // Keys of a focused stock slot: Left, Right, Home and End move between the
  // slots, Enter and Space put its letter at the board's cursor as its digit
  // does, the Menu key and Shift+F10 open its letter choice. True when used.
  bool StockKey(int slot, int key, Qt::KeyboardModifiers modifiers);
  // The stock is one Tab stop, right after the board: only the slot that had
  // the focus last takes it by Tab. Gives that slot the focus.
  void FocusStockSlot(int slot);
  // Sets the stock's Tab order and makes the board take the focus back
  // after commands, commits and the program's other windows.
  void ConnectKeyboardFocus();
  // While a game is shown, the board gets the keyboard focus; with activate
  // the window also becomes the active one, unless another window of the
  // program than the one closing is still open.
  void FocusBoard(bool activate, const QWidget* closing = nullptr);
  // A dialog or window of the program (not a menu, hint or this window).
  bool IsOtherWindowOfOurs(const QWidget* widget) const;
  int StockFocusSlot = 0;

  void MoveBoardCursor(int32_t columnStep, int32_t rowStep);
  // The game's labels as the board's description for a screen reader.
  void UpdateBoardStatus();

  QRect WorkAreaOverride;
  // The window frame's size is known only once the window is shown.
  bool FrameKnown = false;
  QSize AppliedDecoration;
  bool ApplyingWindowMode = false;
  QTimer FrameCheckTimer;
  int FrameChecksLeft = 0;
};
