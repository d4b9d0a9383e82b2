#include "LanguageSwitcher.h"

#include "CatalogueState.h"
#include "Dialogs.h"
#include "ExerciseCatalogue.h"
#include "InterfaceTexts.h"
#include "LanguageFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>

LanguageSwitcher::LanguageSwitcher(CatalogueState &catalogue, InterfaceTexts &texts, ExerciseCatalogue &exercises,
    QComboBox *languageList, QLabel *flag, Dialogs &dialogs, const QString &appDir, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , texts(texts)
    , exercises(exercises)
    , languageList(languageList)
    , flag(flag)
    , dialogs(dialogs)
    , appDir(appDir)
{
    connect(languageList, &QComboBox::activated, this, &LanguageSwitcher::onLanguageChosen);
}

void LanguageSwitcher::applyLanguage()
{
    const QString language = catalogue.language();
    if (const auto lines = LanguageFiles::languageLines(appDir, language)) {
        texts.HintTexts = *lines;
    } else if (!language.isEmpty()) {
        dialogs.inform(texts.UiTexts.value(InterfaceTexts::LanguageFileMissing));
    }
    exercises.refreshLessonList();
}

void LanguageSwitcher::onLanguageChosen(int index)
{
    catalogue.languageIndex = index;
    applyLanguage();
    showFlag();
}

void LanguageSwitcher::showFlag()
{
    const QPixmap picture(appDir + QStringLiteral("/banderas/") + catalogue.language() + QStringLiteral(".jpg"));
    if (!picture.isNull()) {
        flag->setPixmap(picture);
    }
}
