#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

#include <vector>

namespace tessell::ColourNames {

// The name of the nearest (by CIEDE2000) of a short list of everyday colour
// names: 白, 黒, 赤, 青, 黄, 緑, 茶, 灰 and a few more, in the language of the run.
QString nearest(QRgb colour);

// One name a colour; a name that comes again gets its count ("緑2"), so that
// the entries can be told apart.
QStringList forColours(const std::vector<QRgb> &colours);

} // namespace tessell::ColourNames
