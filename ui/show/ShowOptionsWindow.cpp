#include "ui/show/ShowOptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/show/VenueScreens.h"
#ifdef QUADREL_REMOTE
#include "ui/show/RemoteOptionsGroup.h"
#endif

namespace {

QString ScreenEntry(int number, const host::ScreenInfo& screen) {
  QString entry = QStringLiteral("%1: %2 \u00d7 %3 at %4, %5")
                      .arg(number)
                      .arg(screen.area.width)
                      .arg(screen.area.height)
                      .arg(screen.area.x)
                      .arg(screen.area.y);
  if (!screen.name.empty())
    entry += QStringLiteral(" (%1)").arg(QString::fromStdString(screen.name));
  if (screen.primary) entry += QStringLiteral(", primary");
  return entry;
}

}  // namespace

ShowOptionsWindow::ShowOptionsWindow(Settings& settings, host::Screen& screens)
    : QDialog(nullptr), settings_(settings), screens_(screens) {
  setWindowTitle(QStringLiteral("Show options"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);  // as the program's other windows
  setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The remote's group beside the others keeps the window about as low as it was without it.
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  columns->addLayout(left);
  layout->addLayout(columns);
  BuildScreenGroup(left);
  BuildLockAndResumeGroups(left);
  BuildGoProtectionGroup(left);
  left->addStretch(1);
#ifdef QUADREL_REMOTE
  remoteGroup_ = new RemoteOptionsGroup(settings_, this);
  columns->addWidget(remoteGroup_, 0, Qt::AlignTop);
  connect(remoteGroup_, &RemoteOptionsGroup::Changed, this,
          &ShowOptionsWindow::RemoteSettingsChanged);
#endif
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  ShowSettings();
}

void ShowOptionsWindow::BuildScreenGroup(QBoxLayout* column) {
  auto* group = new QGroupBox(QStringLiteral("Screen covered by M (maximised show)"), this);
  auto* groupColumn = new QVBoxLayout(group);
  windowScreen_ = new QRadioButton(QStringLiteral("The screen the show window is on"), group);
  numberedScreen_ = new QRadioButton(QStringLiteral("Screen:"), group);
  screenList_ = new QComboBox(group);
  screenList_->setMinimumContentsLength(36);
  allScreens_ = new QRadioButton(
      QStringLiteral("All screens side by side (two projectors, one per eye)"), group);
  screenNote_ = new QLabel(group);
  screenNote_->setWordWrap(true);
  screenNote_->setFixedWidth(360);
  auto* numberedRow = new QHBoxLayout;
  numberedRow->addWidget(numberedScreen_);
  numberedRow->addWidget(screenList_, 1);
  groupColumn->addWidget(windowScreen_);
  groupColumn->addLayout(numberedRow);
  groupColumn->addWidget(allScreens_);
  groupColumn->addWidget(screenNote_);
  column->addWidget(group);
  for (QRadioButton* button : {windowScreen_, numberedScreen_, allScreens_})
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ScreenControlsChanged();
    });
  // Only the operator's choice of a screen chooses "Screen:"; a refill of the list does not.
  connect(screenList_, &QComboBox::activated, this, [this] {
    numberedScreen_->setChecked(true);
    ScreenControlsChanged();
  });
}

void ShowOptionsWindow::BuildLockAndResumeGroups(QBoxLayout* column) {
  auto* lockGroup = new QGroupBox(QStringLiteral("Show lock"), this);
  auto* lockColumn = new QVBoxLayout(lockGroup);
  showLock_ = new QCheckBox(
      QStringLiteral("ESC, X, L, V and O act only when pressed twice within 2 seconds"), lockGroup);
  lockColumn->addWidget(showLock_);
  column->addWidget(lockGroup);

  auto* resumeGroup = new QGroupBox(QStringLiteral("After an unexpected end"), this);
  auto* resumeColumn = new QVBoxLayout(resumeGroup);
  offerResume_ =
      new QCheckBox(QStringLiteral("Offer to continue after the last item started"), resumeGroup);
  resumeColumn->addWidget(offerResume_);
  column->addWidget(resumeGroup);

  bindings_.Bind(showLock_, settings_.showLock);
  bindings_.Bind(offerResume_, settings_.offerResume);
}

void ShowOptionsWindow::BuildGoProtectionGroup(QBoxLayout* column) {
  auto* group = new QGroupBox(QStringLiteral("GO protection"), this);
  auto* row = new QHBoxLayout(group);
  goProtection_ = new QSpinBox(group);
  goProtection_->setRange(0, 10000);
  goProtection_->setSingleStep(100);
  goProtection_->setSuffix(QStringLiteral(" ms"));
  row->addWidget(new QLabel(QStringLiteral("Least time between two plays:"), group));
  row->addWidget(goProtection_);
  row->addWidget(new QLabel(QStringLiteral("0 = off"), group));
  row->addStretch(1);
  column->addWidget(group);
  // The show reads it at each play; the remote's servers do not use it.
  bindings_.Bind(goProtection_, settings_.goProtection);
}

void ShowOptionsWindow::showEvent(QShowEvent* event) {
  // Screens and network addresses come and go between openings.
  ShowSettings();
  QDialog::showEvent(event);
}

void ShowOptionsWindow::hideEvent(QHideEvent* event) {
#ifdef QUADREL_REMOTE
  // A port typed and left by closing the window counts, as if its box had been left.
  remoteGroup_->FinishTyping();
#endif
  QDialog::hideEvent(event);
}

void ShowOptionsWindow::ShowRemoteStatus([[maybe_unused]] const RemoteStatus& status) {
#ifdef QUADREL_REMOTE
  remoteGroup_->ShowStatus(status);
#endif
}

void ShowOptionsWindow::ShowSettings() {
  bindings_.Fill();
#ifdef QUADREL_REMOTE
  remoteGroup_->ShowSettings();
#endif
  numbered_ = NumberedScreens(screens_.Screens());
  const ScreenChoice choice = ParseScreenChoice(settings_.venueScreen);
  const QSignalBlocker blockList(screenList_);
  const QSignalBlocker blockWindow(windowScreen_);
  const QSignalBlocker blockNumbered(numberedScreen_);
  const QSignalBlocker blockAll(allScreens_);
  screenList_->clear();
  for (std::size_t i = 0; i < numbered_.size(); ++i)
    screenList_->addItem(ScreenEntry(static_cast<int>(i) + 1, numbered_[i]));
  if (choice.kind == ScreenChoice::Kind::Numbered &&
      choice.number > static_cast<int>(numbered_.size())) {
    // Kept as chosen, so that the venue's screen is used again once it is connected.
    for (int missing = static_cast<int>(numbered_.size()) + 1; missing <= choice.number; ++missing)
      screenList_->addItem(QStringLiteral("%1: not connected").arg(missing));
  }
  screenList_->setCurrentIndex(choice.kind == ScreenChoice::Kind::Numbered ? choice.number - 1 : 0);
  windowScreen_->setChecked(choice.kind == ScreenChoice::Kind::WindowScreen);
  numberedScreen_->setChecked(choice.kind == ScreenChoice::Kind::Numbered);
  allScreens_->setChecked(choice.kind == ScreenChoice::Kind::AllScreens);
  ShowScreenNote();
}

void ShowOptionsWindow::ScreenControlsChanged() {
  ScreenChoice choice;
  if (numberedScreen_->isChecked())
    choice = {ScreenChoice::Kind::Numbered, std::max(1, screenList_->currentIndex() + 1)};
  else if (allScreens_->isChecked())
    choice = {ScreenChoice::Kind::AllScreens, 0};
  settings_.venueScreen = ScreenChoiceText(choice);
  ShowScreenNote();
}

void ShowOptionsWindow::ShowScreenNote() {
  const ScreenChoice choice = ParseScreenChoice(settings_.venueScreen);
  QString note;
  if (choice.kind == ScreenChoice::Kind::AllScreens) {
    const std::string problem = SideBySideProblem(numbered_);
    note = problem.empty() ? QStringLiteral(
                                 "The left half falls on screen 1, the right half on "
                                 "screen 2.")
                           : QString::fromStdString(problem);
  } else if (choice.kind == ScreenChoice::Kind::Numbered &&
             choice.number > static_cast<int>(numbered_.size())) {
    note = QStringLiteral("Screen %1 is not connected: M covers the primary screen until it is.")
               .arg(choice.number);
  }
  screenNote_->setText(note);
  screenNote_->setVisible(!note.isEmpty());
}
