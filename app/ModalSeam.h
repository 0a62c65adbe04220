// The seam through which everything modal passes: dialogs, the folder chooser, message
// boxes and the browser; tests put a scripted one in its place.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QFileDialog;
class QWidget;

// One message box: modal, OK only, owned by the window.
struct TMessage {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::Information;
    QString details;  // shown on request; empty for none
    QString checkBox; // a check box's text; empty for none
};

// Everything modal the window does passes through here, so that tests can script it.
class TModalSeam {
public:
    virtual ~TModalSeam() = default;

    // The files the user confirmed in `dialog`, in its order; none when cancelled.
    virtual QStringList RunOpenDialog(QFileDialog &dialog) = 0;

    // A modal folder chooser titled `title`, opened at `folder`, where a path can be
    // typed: the confirmed folder, or nothing when cancelled.
    virtual std::optional<QString> ChooseFolder(QWidget *owner, const QString &title,
                                                const QString &folder) = 0;

    // Answers whether the message's check box was ticked when the box was closed.
    virtual bool ShowMessage(QWidget *owner, const TMessage &message) = 0;

    virtual void OpenAddress(const QUrl &address) = 0;
};

// The real dialogs, message boxes and browser. The folder chooser is made on first use and
// kept, as the Add dialogs are: destroying one costs a batch more than the rest of its start.
class TDesktopSeam final : public TModalSeam {
public:
    TDesktopSeam();
    ~TDesktopSeam() override;
    QStringList RunOpenDialog(QFileDialog &dialog) override;
    std::optional<QString> ChooseFolder(QWidget *owner, const QString &title,
                                        const QString &folder) override;
    bool ShowMessage(QWidget *owner, const TMessage &message) override;
    void OpenAddress(const QUrl &address) override;

private:
    QPointer<QFileDialog> FChooser;
};
