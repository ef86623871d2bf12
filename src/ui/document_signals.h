// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft document's one notification as a Qt signal, so that the window's parts connect to
// it as to any other: `changed` carries the set of DocumentChange flags the document reported.
#pragma once

#include "document/aircraft_document.h"

#include <QObject>

namespace ab {

class DocumentSignals : public QObject {
    Q_OBJECT
public:
    DocumentSignals(AircraftDocument& document, QObject* parent) : QObject(parent), document(document)
    {
        document.onChange = [this](unsigned changes) { emit changed(changes); };
    }
    ~DocumentSignals() override { document.onChange = nullptr; }

signals:
    void changed(unsigned changes);

private:
    AircraftDocument& document;
};

} // namespace ab
