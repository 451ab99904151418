#include "display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace testola {

namespace {

struct KeptMessage {
    QtMsgType Type;
    QString Text;
};

std::vector<KeptMessage> keptMessages;
QtMessageHandler qtHandler = nullptr;

void KeepMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage);
        std::fflush(stderr);
        std::_Exit(1);
    }
    keptMessages.push_back(KeptMessage{type, text});
}

} // namespace

void BeginDisplayCheck() {
    qtHandler = qInstallMessageHandler(KeepMessage);
}

void EndDisplayCheck() {
    qInstallMessageHandler(qtHandler);
    const QMessageLogContext noContext;
    for (const KeptMessage& message : std::exchange(keptMessages, {})) {
        if (qtHandler != nullptr) {
            qtHandler(message.Type, noContext, message.Text);
        }
    }
}

} // namespace testola
