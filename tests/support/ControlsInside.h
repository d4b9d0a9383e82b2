#pragma once

#include <QWidget>

#include <gtest/gtest.h>

// Every control a window shows lies whole inside it, where the learner can reach it.
inline void expectEveryControlInside(const QWidget &window)
{
    for (const QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&window)) {
            EXPECT_TRUE(window.rect().contains(child->geometry()))
                << child->metaObject()->className() << " " << qPrintable(child->accessibleName()) << " at "
                << child->geometry().x() << ", " << child->geometry().y();
        }
    }
}
