// Opening a data file dropped onto the main window. Files dropped anywhere
// on the window, also onto its fields, are taken by the window: a ".KMX" or
// ".Kmr" file is opened, anything else is ignored without a message.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace kmr::ui {

// The one local data file the drag carries; empty otherwise.
QString DroppedDataFile(const QMimeData* mime);

class FileDropFilter : public QObject {
  public:
    // open runs after the drop has ended, with the dropped file's path.
    FileDropFilter(QWidget& window, std::function<void(const QString&)> open);
    ~FileDropFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    std::function<void(const QString&)> open_;
};

}  // namespace kmr::ui
