#include "materials/pcm.h"

TPCM* PCM = nullptr;

TPCM::TPCM(QWidget* owner) : TForm(owner)
{
    setObjectName("PCM");
    SetCaption("Define PCM");
    SetClientSize(420, 320);
    SetPosition(TPosition::MainFormCenter);
}
