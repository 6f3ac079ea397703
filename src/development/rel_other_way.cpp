#include "development/rel_other_way.h"

#include "development/effect.h"

void TRelOtherWay::fillPanels() {
    std::vector<TTurnWithDirVector> inverted = pitchScheme_;
    for (TTurnWithDirVector& measure : inverted)
        for (TTurnRoundWithDir& turn : measure)
            turn = invertTurn(turn);
    generatePane(0, references_, inverted);

    const int kinds[] = {3, 5};
    for (int index = 1; index < PANE_COUNT; ++index) {
        generatePane(index, references_);
        TMotive& p = pane(index);
        TEffect::otherEffect(p, kinds[index - 1]);
        // the moved pitches meet other chords and other time slots
        p.updateSharps();
        p.updateChording();
    }
}
