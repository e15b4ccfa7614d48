#include "ui/remote/RemoteServer.h"

#include <QHostAddress>
#include <QStringList>
#include <algorithm>

#include "core/RunGuarded.h"
#include "core/show/ShowController.h"
#include "core/show/ShowJournal.h"
#include "ui/remote/RemotePage.h"
#include "ui/remote/RemoteSecrets.h"

namespace {

std::chrono::steady_clock::time_point Now(const Services& services) {
  return services.clock ? services.clock() : std::chrono::steady_clock::now();
}

bool UsablePin(const std::string& pin) {
  return pin.size() >= 6 &&
         std::all_of(pin.begin(), pin.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<QHostAddress> Senders(const std::string& list) {
  std::vector<QHostAddress> senders;
  for (const QString& entry : QString::fromStdString(list).split(',', Qt::SkipEmptyParts)) {
    const QHostAddress address(entry.trimmed());
    if (!address.isNull()) senders.push_back(address);
  }
  return senders;
}

// The state without its running time, which changes every moment and is no change to push.
RemoteState Comparable(RemoteState state) {
  state.playingFor = {};
  return state;
}

}  // namespace

RemoteServer::RemoteServer(Services& services, ShowController& controller, Settings& settings)
    : services_(services),
      controller_(controller),
      settings_(settings),
      access_([this] { return Now(services_); }, DrawSessionToken) {
  pushCheck_.setInterval(kPushCheckMs);
  connect(&pushCheck_, &QTimer::timeout, this, &RemoteServer::PushIfChanged);
}

RemoteServer::~RemoteServer() = default;

void RemoteServer::Apply() {
  if (settings_.remoteEnabled && settings_.remotePin.empty()) settings_.remotePin = DrawRemotePin();
  const Listening wanted{settings_.remoteEnabled, settings_.remoteListen, settings_.remoteOscPort,
                         settings_.remoteWebPort};
  const bool pinChanged = settings_.remotePin != appliedPin_;
  if (pinChanged) {
    appliedPin_ = settings_.remotePin;
    access_.SetPin(UsablePin(appliedPin_) ? appliedPin_ : std::string());
    if (web_) web_->CloseEventClients();
  }
  if (applied_ != wanted) {
    applied_ = wanted;
    osc_.reset();
    web_.reset();
    errors_.clear();
    if (wanted.enabled) {
      const QHostAddress address(QString::fromStdString(wanted.listen));
      if (address.isNull()) {
        errors_ = "\"" + wanted.listen + "\" is no address to listen at";
      } else {
        const auto run = [this](const RemoteCommand& command, const std::string& sender) {
          return Run(command, sender);
        };
        const auto state = [this] { return controller_.StateForRemote(); };
        const auto note = [this](const std::string& what, const std::string& peer) {
          Note(what, peer);
        };
        osc_ = std::make_unique<OscServer>(
            OscServer::Hooks{run, state, note, [this] { UpdateStatus(); }},
            [this] { return Now(services_); });
        web_ = std::make_unique<WebServer>(
            access_, RemotePageHtml(),
            WebServer::Hooks{run, state, note, [this] { UpdateStatus(); }});
        std::string error;
        if (!osc_->Listen(address, static_cast<quint16>(wanted.oscPort), error)) {
          errors_ = error;
          osc_.reset();
        }
        error.clear();
        if (!web_->Listen(address, static_cast<quint16>(wanted.webPort), error)) {
          errors_ += (errors_.empty() ? "" : "; ") + error;
          web_.reset();
        }
      }
      Note(errors_.empty() ? "listening" : "not listening: " + errors_, wanted.listen);
    } else if (status_.listening) {
      Note("stopped", {});
    }
  }
  if (osc_) osc_->SetAllowedSenders(Senders(settings_.remoteOscSenders));
  UpdateStatus();
}

RemoteResult RemoteServer::Run(const RemoteCommand& command, const std::string& sender) {
  RemoteResult result{false, "the command failed: the program reported why", std::nullopt};
  const bool play = command.action == RemoteAction::Show && command.command == Command::Play;
  if (play && !controller_.PlayWouldBeDropped()) {
    // A play waits for its item's end, as the key does; its sender is answered now, and the
    // server that received it goes on serving meanwhile (a datagram or request handler that
    // waited would hold up its socket for the whole item).
    if (std::optional<std::string> refusal = controller_.RemoteRefusal(command)) {
      result.reason = std::move(*refusal);
    } else if (playStarting_) {
      result.reason = "a play is starting";
    } else {
      playStarting_ = true;
      QTimer::singleShot(0, this, [this, command] {
        playStarting_ = false;
        RunGuarded(services_, [&] { controller_.RunRemote(command); });
      });
      result = RemoteResult{true, {}, std::nullopt};
    }
  } else {
    RunGuarded(services_, [&] { result = controller_.RunRemote(command); });
  }
  std::string name(RemoteNameOf(command));
  if (command.action == RemoteAction::GoTo) name += " " + std::to_string(command.position);
  status_.lastCommand = name + " from " + sender + (result.done ? "" : " (refused)");
  PushIfChanged();
  UpdateStatus();
  return result;
}

void RemoteServer::Note(const std::string& what, const std::string& peer) {
  if (services_.journal) services_.journal->RemoteNote(what, peer);
}

void RemoteServer::PushIfChanged() {
  if (osc_) osc_->DropExpiredSubscribers();
  const bool listeners = (osc_ && osc_->Subscribers() > 0) || (web_ && web_->EventClients() > 0);
  if (!listeners) {
    pushed_.reset();
    return;
  }
  RemoteState state = controller_.StateForRemote();
  if (pushed_ && *pushed_ == Comparable(state)) return;
  pushed_ = Comparable(state);
  if (osc_) osc_->PushState(state);
  if (web_) web_->PushState(state);
}

void RemoteServer::UpdateStatus() {
  RemoteStatus status;
  status.lastCommand = status_.lastCommand;
  status.error = errors_;
  if (!UsablePin(appliedPin_) && web_)
    status.error = "the web remote needs a PIN of at least 6 digits";
  status.listening = (osc_ && osc_->Listening()) || (web_ && web_->Listening());
  if (web_ && web_->Listening()) {
    const QHostAddress address(QString::fromStdString(settings_.remoteListen));
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? '[' + address.toString() + ']'
                             : address.toString();
    status.webAddress =
        "http://" + host.toStdString() + ":" + std::to_string(settings_.remoteWebPort) + "/";
  }
  status.clients = (osc_ ? osc_->Subscribers() : 0) + (web_ ? web_->EventClients() : 0);
  const bool listeners = status.clients > 0;
  if (listeners && !pushCheck_.isActive()) pushCheck_.start();
  if (!listeners) pushCheck_.stop();
  if (status == status_) return;
  status_ = status;
  emit StatusChanged(status_);
}
