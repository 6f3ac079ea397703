#pragma once

#include <QWidget>

#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"

class TBaseService;
class TScheme;

// What the panel chooser group knows of a panel that can take a motive to develop.
class TMotivePanelBase : public QWidget {
    Q_OBJECT

  public:
    TMotivePanelBase(QWidget* parent, TBaseService& host);

    virtual bool acceptsMotive() const = 0;
    // The motive becomes the panel's source: a copy is taken.
    virtual void acceptMotive(const TMotive& motive) = 0;
    // The period's key, meter or anacrusis changed.
    virtual void setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) = 0;

  protected:
    TBaseService& host_;
    TScheme& scheme_;
};
