#pragma once

#include "runtime.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QLayout;
class QMessageBox;
class QSpacerItem;

namespace testola {

class InputBox;
class KeyHandover;
class WaylandLostKeys;

// Whether the program runs as a Wayland client, under whichever of Qt's Wayland plugins.
bool IsWaylandClient();

// The runtime on Qt Widgets: modal dialogs over the program's window, minimising it, and ending the event loop.
// The input box and the message box are built once, after the window's first frame, and shown again each time;
// no key typed while one of them opens or closes is lost (KeyHandover, WaylandLostKeys).
class QtRuntime : public Runtime {
public:
    // On Wayland the boxes hide only once the compositor has shown their last frame (HideOnClose).
    explicit QtRuntime(bool boxesHideAfterTheirLastFrame = IsWaylandClient());
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;
    ~QtRuntime() override;

    // The window that dialogs are centred over and that MinimiseWindow minimises. The boxes are built once it
    // has drawn its first frame, so that its start does not wait for them.
    void SetWindow(QWidget* window);

    std::string ShowInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                             const InputBoxParts& parts) override;
    void ShowMessageBox(const std::string& prompt, MessageStyle style, const std::string& title) override;
    void EndProgram() override;
    void MinimiseWindow() override;
    void ReportRunTimeError(const std::string& description) override;

private:
    void BuildBoxes();
    void DropBoxes();
    void ShowModalBox(MessageStyle style, const QString& title, const QString& text);
    int RunModal(QDialog& box);
    void EndWithStatus(int status);

    bool m_boxesHideAfterTheirLastFrame;
    QPointer<QWidget> m_window;
    QPointer<InputBox> m_inputBox;
    QPointer<QMessageBox> m_messageBox;
    // The message box's row as wide as its title, and the layout that holds it.
    QSpacerItem* m_titleRow = nullptr;
    QPointer<QLayout> m_titleRowLayout;
    std::unique_ptr<QObject> m_firstFrameWatch;
    std::unique_ptr<KeyHandover> m_keys;
    std::unique_ptr<WaylandLostKeys> m_waylandKeys;
};

} // namespace testola
