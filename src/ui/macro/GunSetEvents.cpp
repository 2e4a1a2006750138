#include "ui/macro/GunSetEvents.h"

#include "storage/MacroEvents.h"

QVector<MacroEvent> GunSetEvents(const QVector<GunBullet> &bullets)
{
    using namespace MacroEvents;
    QVector<MacroEvent> events;
    for (const GunBullet &bullet : bullets.mid(0, MaxGunBullets)) {
        events << button(false, LeftButton) << button(true, LeftButton);
        if (bullet.vertical != 0)
            events << move(bullet.vertical > 0 ? MoveDown : MoveUp, qAbs(bullet.vertical));
        if (bullet.horizontal != 0)
            events << move(bullet.horizontal > 0 ? MoveRight : MoveLeft, qAbs(bullet.horizontal));
        if (bullet.delayMs != 0)
            events << delay(bullet.delayMs / GunDelayUnit);
    }
    return events;
}
