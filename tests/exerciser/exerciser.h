#pragma once

// Drives the real main window with random user actions from a seed and checks, after every
// action, the rules that must hold whatever the user does.

#include "support/appfixture.h"

#include <QStringList>

#include <memory>
#include <random>

namespace wellbox::testing {

class Exerciser {
public:
    explicit Exerciser(unsigned seed);
    ~Exerciser();

    // Runs `count` actions; returns false at the first broken rule (see failure()).
    bool run(int count);

    const QStringList& actions() const { return m_actions; }
    const QString& failure() const { return m_failure; }

private:
    void startApp();
    void act();
    void clickButton();
    void clickLink();
    void chooseListEntry();
    void pressKey();
    void pasteText();
    void triggerMenuCommand();
    void closeAWindow();

    QString check() const;
    QString checkQuiz(const CalculatorWindow& window) const;

    int pick(int size);
    QList<QWidget*> reachable(const QList<QWidget*>& widgets) const;
    void note(const QString& action) { m_actions << action; }

    std::mt19937 m_random;
    std::unique_ptr<AppFixture> m_app;
    QStringList m_actions;
    QString m_failure;
    mutable qsizetype m_pagesChecked = 0;
    mutable qsizetype m_messagesChecked = 0;
};

} // namespace wellbox::testing
