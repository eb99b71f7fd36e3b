#pragma once

#include "ui/platform/Platform.h"

#include <QObject>

class QMimeData;

// A local file among `data`'s addresses, else its text.
OfferedList OfferedListOf(const QMimeData& data);

// Takes the drops of files and text on the widget it watches, in place of the widget, as copies
// only; other drags go on to the widget.
class DropTarget : public QObject {
    Q_OBJECT
  public:
    DropTarget(QWidget& target, DropTaker dropped);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DropTaker dropped_;
};
