#include "TypingWindowFixture.h"

#include "DrillSequencer.h"

void TypingWindowFixture::advance()
{
    ASSERT_TRUE(window->drillSequencer().advanceTimer().isActive());
    window->drillSequencer().AdvanceExercise();
}
