#include "ui/showlist/ShowListWindow.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "core/RunGuarded.h"
#include "core/show/ShowListFiles.h"
#include "core/showlist/MakeShowItemPath.h"
#include "ui/WindowsOnDemand.h"
#include "ui/controls/RadioGroup.h"
#include "ui/players/BinoSettingsWindow.h"
#include "ui/players/SPlayerSettingsWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListView.h"

namespace {

constexpr int kDesignWidth = 835;
constexpr int kDesignHeight = 722;
constexpr int kListRightGap = 144;  // between the list's right edge and the window's

QFont PixelFont(const char* family, int pixels, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

ShowListWindow::ShowListWindow(Services& services, ShowList& list, Settings& settings,
                               const LanguageValues& texts, WindowsOnDemand& windows)
    : QDialog(nullptr),
      services_(services),
      list_(list),
      model_(new ShowListModel(list, this)),
      windows_(windows) {
  SetWindowLook();
  BuildList();
  BuildButtons();
  SetTabOrder();
  ConnectControls();
  resize(kDesignWidth, kDesignHeight);
  PrepareDialogs();
  ShowModal = [](QDialog& window) { window.exec(); };
  Bind(settings);
  ShowSettings();
  ShowTexts(texts);
}

void ShowListWindow::SetWindowLook() {
  setWindowTitle(QStringLiteral("File list"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setFont(PixelFont("Tahoma", 11, false));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  setAutoFillBackground(true);
}

void ShowListWindow::BuildList() {
  listView_ = new ShowListView(*model_, this);
  listView_->setFont(PixelFont("Tahoma", 16, true));
  QPalette listPalette = listView_->palette();
  listPalette.setColor(QPalette::Base, Qt::black);
  listPalette.setColor(QPalette::Text, Qt::white);
  listView_->setPalette(listPalette);
  listView_->setGeometry(0, 0, kDesignWidth - kListRightGap, kDesignHeight);
}

void ShowListWindow::BuildButtons() {
  const QFont buttonFont = PixelFont("Arial", 16, true);
  auto button = [&](const char* caption, QRect place) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setFont(buttonFont);
    b->setGeometry(place);
    rightAnchored_.emplace_back(b, place);
    return b;
  };
  auto checkBox = [&](const char* caption, QRect place) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setFont(PixelFont("Tahoma", 16, true));
    box->setGeometry(place);
    rightAnchored_.emplace_back(box, place);
    return box;
  };
  selectFilesButton_ = button("Select file(s)", QRect(698, 8, 129, 25));
  clearButton_ = button("Clear", QRect(699, 41, 128, 25));
  clearAllButton_ = button("Clear All", QRect(698, 72, 129, 25));
  continuousBox_ = checkBox("Continuous", QRect(698, 200, 129, 17));
  loopBox_ = checkBox("Loop All", QRect(698, 232, 129, 17));
  playerGroup_ = new RadioGroup(this, QStringLiteral("Chosen 3D player"),
                                {QStringLiteral("Bino"), QStringLiteral("Stereoscopic Player"),
                                 QStringLiteral("User defined")});
  playerGroup_->setGeometry(697, 408, 130, 82);
  playerGroup_->Choose(0);
  rightAnchored_.emplace_back(playerGroup_, playerGroup_->geometry());
  makeScriptsButton_ = button("Make BAT/VBS", QRect(698, 496, 129, 33));
  loadListButton_ = button("Load list", QRect(698, 641, 129, 25));
  saveListButton_ = button("Save list", QRect(698, 672, 129, 25));
}

void ShowListWindow::SetTabOrder() {
  QWidget* tabOrder[] = {listView_,          selectFilesButton_, clearButton_,   saveListButton_,
                         loadListButton_,    clearAllButton_,    continuousBox_, loopBox_,
                         makeScriptsButton_, playerGroup_};
  for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
  listView_->setFocus();
}

void ShowListWindow::ConnectControls() {
  connect(listView_, &ShowListView::CloseKeyPressed, this, &QDialog::close);
  connect(listView_, &ShowListView::MoveRequested, this,
          [this](const std::vector<std::size_t>& selected, std::ptrdiff_t distance) {
            Guarded([&] { list_.MoveSelected(selected, distance); });
          });
  connect(selectFilesButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { SelectFiles(); }); });
  connect(clearButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { ClearSelected(); }); });
  connect(clearAllButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { ClearAll(); }); });
  connect(loadListButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { LoadList(); }); });
  connect(saveListButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { SaveList(); }); });
  connect(makeScriptsButton_, &QPushButton::clicked, this,
          [this] { Guarded([this] { MakeScripts(); }); });
}

void ShowListWindow::PrepareDialogs() {
  selectFilesDialog.title = "Select files for show";
  selectFilesDialog.filter =
      "Show files (*.exe, *.bat, *.vbs, *.avi, *.mpg)|*.exe;*.bat;*.vbs;*.avi;*.mpg";
  selectFilesDialog.defaultExt = ".exe, .bat, .vbs, .avi, .mpg";
  selectFilesDialog.multiSelect = true;
  selectFilesDialog.offerAllFiles = true;
  loadListDialog.filter = "3D show list (*.shl)|*.shl|All files (*.*)|*.*";
  loadListDialog.defaultExt = "shl";
  saveListDialog.filter = "3D show list (*.shl)|*.shl";
  saveListDialog.defaultExt = "shl";
  saveListDialog.save = true;
}

void ShowListWindow::Guarded(const std::function<void()>& handler) {
  RunGuarded(services_, handler);
}

std::vector<std::size_t> ShowListWindow::SelectedPositions() const {
  return listView_->SelectedPositions();
}

void ShowListWindow::SelectFiles() {
  const std::vector<std::string> files = services_.dialogs->Choose(selectFilesDialog);
  if (files.empty()) return;
  selectFilesDialog.fileName = files.front();
  std::vector<std::string> added;
  added.reserve(files.size());
  for (const std::string& file : files)
    added.push_back(MakeNativeShowItemPath(services_.exePath, file));
  list_.Append(std::move(added));
}

void ShowListWindow::ClearSelected() {
  const std::vector<std::size_t> selected = SelectedPositions();
  if (selected.empty()) return;
  // A reset would scroll to the top: keep the operator where they were.
  const int scrolled = listView_->verticalScrollBar()->value();
  list_.Remove(selected);
  listView_->verticalScrollBar()->setValue(scrolled);
  listView_->ForgetRangeStart();
}

void ShowListWindow::ClearAll() {
  list_.Assign({});
  listView_->ForgetRangeStart();
}

void ShowListWindow::LoadList() {
  const std::vector<std::string> files = services_.dialogs->Choose(loadListDialog);
  if (files.empty()) return;
  loadListDialog.fileName = files.front();
  LoadListFile(files.front(), list_, services_);
  listView_->ForgetRangeStart();
}

void ShowListWindow::SaveList() {
  const std::vector<std::string> files = services_.dialogs->Choose(saveListDialog);
  if (files.empty()) return;
  saveListDialog.fileName = files.front();
  SaveListFile(files.front(), list_, services_);
}

void ShowListWindow::MakeScripts() {
  switch (playerGroup_->Chosen()) {
    case 0:
      ShowModal(windows_.BinoWindow());
      break;
    case 1:
      ShowModal(windows_.SPlayerWindow());
      break;
    default:  // "User defined" or no choice
      break;
  }
}

void ShowListWindow::keyPressEvent(QKeyEvent* event) {
  // ESC closes the window only from the list (its close key). Enter clicks a button only while
  // that button has the focus (it handles the key itself): the window has no default button.
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->ignore();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ShowListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A dialog makes its first button the default one when shown; this window has none.
  for (QPushButton* button : findChildren<QPushButton*>())
    if (!button->hasFocus()) button->setDefault(false);
}

void ShowListWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  listView_->setGeometry(0, 0, std::max(0, width() - kListRightGap), height());
  for (const auto& [widget, place] : rightAnchored_)
    widget->move(width() - (kDesignWidth - place.left()), place.top());
}
