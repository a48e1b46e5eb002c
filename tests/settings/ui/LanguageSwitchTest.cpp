#include "OptionsFixture.h"

#include "settings/DialogHeader.h"
#include "settings/LanguageSwitch.h"
#include "settings/OptionsLists.h"
#include "words/WordTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>

namespace vesrin::test {
namespace {

QString Text(Word row, Language language) {
    return QString::fromUtf8(WordOf(row, language).data(), qsizetype(WordOf(row, language).size()))
        .replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

QImage BuiltIn(const QString& name) {
    QImage picture;
    LoadPngFromLibrary(name, QString(), picture, LibraryPlaces{});
    return picture.convertToFormat(QImage::Format_ARGB32);
}

class LanguageSwitch : public OptionsFixture {
protected:
    void SetUp() override { ASSERT_TRUE(folder.AddGraphicsLibrary()); }
};

TEST_F(LanguageSwitch, EveryListKeepsItsChoiceInEachLanguage) {
    settings.WindowSize = 4;
    settings.FaceSet = 13;
    settings.BackSet = 9;
    settings.BackgroundNo = 7;
    settings.BackgroundTint = 5;
    settings.MenuDesign = 2;
    settings.TableDesign = 2;
    settings.AuxDesign = 3;
    settings.SaveGif = true;
    settings.SaveGifArea = 2;
    settings.RadioListFromServer = false;
    auto dialog = Open();
    dialog->ComboBoxFontKind->setCurrentIndex(3);
    dialog->PageControl1->SetCurrentIndex(5);
    const Settings before = settings;
    for (int index : {1, 5, 9, 2, 0, 8, 3, 4, 6, 7}) {
        const Language language = *LanguageFromIndex(index);
        SCOPED_TRACE(index);
        host.Clear();
        dialog->ComboBoxLan->setCurrentIndex(index);
        EXPECT_EQ(settings.Language, index);
        Settings expected = before;
        expected.Language = index;
        EXPECT_EQ(settings, expected);
        EXPECT_EQ(host.Calls, (std::vector<std::string>{"RetranslateMainWindow", "LanguageSelected"}));

        EXPECT_EQ(dialog->ComboBoxSize->currentIndex(), 3);
        EXPECT_EQ(dialog->ComboBoxSize->currentText(), Text(Word::OptSizeAverage2, language));
        EXPECT_EQ(dialog->ComboBoxFaces->currentIndex(), 13);
        EXPECT_EQ(dialog->ComboBoxFaces->currentText(), Text(Word::FaceParrots, language));
        EXPECT_EQ(dialog->ComboBoxBacks->currentIndex(), 9);
        EXPECT_EQ(dialog->ComboBoxBacks->currentText(), Text(Word::BackFlowers, language));
        EXPECT_EQ(dialog->ComboBoxBackground->currentIndex(), 6);
        EXPECT_EQ(dialog->ComboBoxBackground->currentText(), Text(Word::BgCasino, language));
        EXPECT_EQ(dialog->ComboBoxTint->currentIndex(), 5);
        EXPECT_EQ(dialog->ComboBoxTint->currentText(), Text(Word::TintDarkBlue, language));
        EXPECT_EQ(dialog->ComboBoxFontKind->currentIndex(), 3);
        EXPECT_EQ(dialog->ComboBoxFontKind->currentText(), Text(Word::OptFontSpecial, language) + " 2");
        EXPECT_EQ(dialog->ComboBoxLan->currentIndex(), index);
        EXPECT_EQ(dialog->RadioModification->ItemIndex(), 2);
        EXPECT_EQ(dialog->RadioMenuDesign->ItemIndex(), 1);
        EXPECT_EQ(dialog->RadioTableDesign->ItemIndex(), 1);
        EXPECT_EQ(dialog->RadioAuxDesign->ItemIndex(), 2);
        EXPECT_EQ(dialog->RadioGifArea->ItemIndex(), 1);
        EXPECT_EQ(dialog->RadioRadioList->ItemIndex(), 1);
        EXPECT_EQ(dialog->PageControl1->CurrentIndex(), 5);

        EXPECT_EQ(dialog->windowTitle(), Text(Word::MainOptions, language));
        EXPECT_EQ(dialog->PageControl1->Title(3), Text(Word::OptPageGame, language));
        EXPECT_EQ(dialog->PageControl1->Title(7), Text(Word::OptPageDll, language));
        EXPECT_EQ(dialog->CheckShootMoon->text(), Text(Word::RuleShootMoon, language));
        EXPECT_EQ(dialog->RadioAuxDesign->title(), Text(Word::DesignAuxWindows, language));
        EXPECT_EQ(dialog->LabelFontWarning->text(), Text(Word::OptFontWarning, language));
        EXPECT_EQ(dialog->ImFlag->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  BuiltIn(QString::fromLatin1(FlagPictureName(language).data(), qsizetype(FlagPictureName(language).size()))));
    }
}

TEST_F(LanguageSwitch, ScopeOneLeavesTheDialogToItself) {
    auto dialog = Open();
    settings.Language = 1;
    Retranslate(1, dialog.get(), host);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"RetranslateMainWindow"});
    EXPECT_EQ(dialog->windowTitle(), "Options");
    host.Clear();
    Retranslate(0, dialog.get(), host);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"RetranslateMainWindow"});
    EXPECT_EQ(dialog->windowTitle(), Text(Word::MainOptions, Language::Russian));
    host.Clear();
    Retranslate(0, nullptr, host);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"RetranslateMainWindow"});
}

TEST_F(LanguageSwitch, JapaneseAndKoreanTakeTheEnglishLetteredPictures) {
    struct Case {
        int Language;
        const char* Name;
    } cases[] = {{0, "OptionsEng"}, {1, "OptionsRus"}, {5, "OptionsChi"}, {7, "OptionsCze"},
                 {8, "OptionsEng"}, {9, "OptionsEng"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        settings.Language = c.Language;
        EXPECT_EQ(LetteredPictureName(QStringLiteral("Options"), settings), c.Name);
    }
}

TEST(DrawLanguageItem, FlagGlyphThenTheFixedName) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    for (int index = 0; index < LanguageCount; ++index) {
        SCOPED_TRACE(index);
        const QImage glyph = LanguageFlagPicture(*LanguageFromIndex(index)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyph.size(), QSize(14, 12));
        QImage item(160, 20, QImage::Format_ARGB32);
        item.fill(QColor(10, 200, 10));
        QPainter painter(&item);
        DrawLanguageItem(painter, index, QRect(0, 2, 160, 16), false, palette);
        painter.end();
        // The rectangle got the list background; the rows outside it did not.
        EXPECT_EQ(QColor(item.pixel(150, 2)), QColor(255, 255, 255));
        EXPECT_EQ(QColor(item.pixel(150, 1)), QColor(10, 200, 10));
        QImage onList(14, 12, QImage::Format_ARGB32);
        onList.fill(QColor(255, 255, 255));
        QPainter(&onList).drawImage(0, 0, glyph);
        EXPECT_EQ(item.copy(2, 4, 14, 12), onList);
        // The name starts 20 pixels in: nothing between the glyph and there.
        for (int x = 16; x < 20; ++x)
            for (int y = 2; y < 18; ++y) ASSERT_EQ(QColor(item.pixel(x, y)), QColor(255, 255, 255));
        bool text = false;
        for (int x = 20; x < 160 && !text; ++x)
            for (int y = 2; y < 18 && !text; ++y) text = QColor(item.pixel(x, y)) != QColor(255, 255, 255);
        EXPECT_TRUE(text);
    }
}

// Whether a control shows its whole text in the size it got.
std::string Clipped(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    auto name = [&](const QString& text) { return text.toStdString(); };
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (metrics.horizontalAdvance(group->title()) + 12 > group->width()) return "group " + name(group->title());
        return {};
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height()) return "label " + name(label->text());
        } else if (label->sizeHint().width() > label->width()) {
            return "label " + name(label->text());
        }
        return {};
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < box->count(); ++i)
            if (metrics.horizontalAdvance(box->itemText(i)) + (box->itemIcon(i).isNull() ? 0 : 20) + 30 > box->width())
                return "list item " + name(box->itemText(i));
        return {};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const bool plain = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
        const int needed = plain ? button->sizeHint().width() : metrics.horizontalAdvance(button->text()) + 6;
        if (needed > button->width()) return "button " + name(button->text());
    }
    return {};
}

TEST_F(LanguageSwitch, NoTextIsClippedInAnyLanguageOrDesign) {
    for (int design : {1, 2, 3, 4}) {
        for (int index = 0; index < LanguageCount; ++index) {
            SCOPED_TRACE(std::to_string(design) + " " + std::string(LanguageColumnName(*LanguageFromIndex(index))));
            settings = Settings();
            settings.Language = index;
            if (design == 4)
                settings.AuxDesignPurple = true;
            else
                settings.AuxDesign = design;
            auto dialog = Open();
            dialog->show();
            for (int page = 0; page < dialog->PageControl1->Count(); ++page) {
                dialog->PageControl1->SetCurrentIndex(page);
                QApplication::processEvents();
                OptionsPage* shown = dialog->PageControl1->Page(page);
                for (QWidget* widget : shown->findChildren<QWidget*>()) {
                    if (!widget->isVisibleTo(dialog.get())) continue;
                    const std::string clipped = Clipped(widget);
                    EXPECT_EQ(clipped, "") << "page " << page;
                    // Nothing hangs over the edge of its page.
                    const QRect onPage(widget->mapTo(shown, QPoint(0, 0)), widget->size());
                    EXPECT_TRUE(shown->rect().contains(onPage)) << "page " << page << " " << clipped;
                }
            }
            for (int tab = 0; tab < dialog->PageControl1->Count(); ++tab) {
                const QString title = dialog->PageControl1->Title(tab);
                const auto tabs = dialog->PageControl1->findChildren<QAbstractButton*>();
                for (QAbstractButton* button : tabs)
                    if (button->text() == title) {
                        EXPECT_EQ(Clipped(button), "");
                    }
            }
        }
    }
}

} // namespace
} // namespace vesrin::test
