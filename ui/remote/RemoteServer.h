#pragma once
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "core/Services.h"
#include "core/remote/RemoteAccess.h"
#include "core/remote/RemoteStatus.h"
#include "core/settings/Settings.h"
#include "ui/remote/OscServer.h"
#include "ui/remote/WebServer.h"

class ShowController;

// The remote control: the OSC and web servers over the show's controller, as the settings say.
// Commands run as the show window's keys would; every change of the show's state is pushed to
// the OSC subscribers and the web remotes.
class RemoteServer : public QObject {
  Q_OBJECT
 public:
  RemoteServer(Services& services, ShowController& controller, Settings& settings);
  ~RemoteServer() override;

  // Starts, stops or moves the servers as the settings now say; what did not change is kept
  // (a new PIN ends the web sessions, nothing else does). Turned on without a PIN, one is drawn
  // and kept in the settings.
  void Apply();
  const RemoteStatus& Status() const { return status_; }

  // How often the state is compared while somebody listens: a change reaches them within this.
  static constexpr int kPushCheckMs = 20;

 signals:
  void StatusChanged(const RemoteStatus& status);

 private:
  struct Listening {
    bool enabled = false;
    std::string listen;
    int32_t oscPort = 0;
    int32_t webPort = 0;
    bool operator==(const Listening&) const = default;
  };

  RemoteResult Run(const RemoteCommand& command, const std::string& sender);
  void Note(const std::string& what, const std::string& peer);
  void PushIfChanged();
  void UpdateStatus();

  Services& services_;
  ShowController& controller_;
  Settings& settings_;
  RemoteAccess access_;
  std::unique_ptr<OscServer> osc_;
  std::unique_ptr<WebServer> web_;
  std::optional<Listening> applied_;
  std::string appliedPin_;
  std::string errors_;
  QTimer pushCheck_;
  std::optional<RemoteState> pushed_;
  bool playStarting_ = false;  // a remote play is to run at the event loop's next turn
  RemoteStatus status_;
};
