#pragma once
// The one place experiment windows are made: a factory per window object name. A work is
// available in the menu once its first window is registered.
#include <QHash>
#include <QString>
#include <functional>

class ExperimentWindow;
class Host;

class WindowRegistry {
 public:
  using Factory = std::function<ExperimentWindow*(Host&)>;
  void add(const QString& form, Factory f) { factories_.insert(form, std::move(f)); }
  bool has(const QString& form) const { return factories_.contains(form); }
  ExperimentWindow* make(const QString& form, Host& host) const {
    auto it = factories_.constFind(form);
    return it == factories_.constEnd() ? nullptr : (*it)(host);
  }
  QStringList forms() const { return factories_.keys(); }

 private:
  QHash<QString, Factory> factories_;
};

// Every window the program has.
const WindowRegistry& programWindows();
