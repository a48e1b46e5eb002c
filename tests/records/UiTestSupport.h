#pragma once

#include "records/RecordsFile.h"
#include "records/RecordsWindowContext.h"
#include "support/TempFolder.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QMessageBox;

namespace vesrin::test {

// A program folder with an installed records file pair, the settings and the context
// the records windows get from the application; the sounds they ask for are written down.
class WindowsFixture {
public:
    WindowsFixture();

    std::filesystem::path LocalFile() const { return folder.Path() / kLocalRecordsFileName; }
    std::filesystem::path NetFile() const { return folder.Path() / kNetRecordsFileName; }
    // Rewrites a records file with the given roster lines (the others empty) and top ten lines.
    void WriteRecords(const std::filesystem::path& file, const std::vector<std::string>& roster,
                      const std::vector<std::string>& topTen = {}) const;
    RecordsFile Read(const std::filesystem::path& file) const;

    TempFolder folder;
    Settings settings;
    RecordsWindowContext context;
    std::vector<std::string> sounds;
    std::vector<QString> missingLibraries;
};

// Handles the modal windows that code under test opens, in the order they open: each
// action gets the next new modal window from inside its event loop. A modal window
// without an action left is rejected and counted, so a test cannot hang. One script
// at a time: a second one alive would take the first one's windows.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget&)>;
    explicit ModalScript(std::deque<Action> actions);
    ~ModalScript() override;

    int Unexpected() const { return unexpected_; }
    bool Done() const { return actions_.empty(); }

private:
    void Poll();

    std::deque<Action> actions_;
    QTimer timer_;
    QPointer<QWidget> last_;
    int unexpected_ = 0;
};

// Actions for message boxes: note the text and press the button.
ModalScript::Action AnswerBox(QString* text, int button);
ModalScript::Action CloseBox(QString* text);

} // namespace vesrin::test
