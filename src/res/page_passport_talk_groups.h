// The template of the PassPort talk-group page (dialog 112): one row per talk
// group of a zone, 16 rows, each an enable cell, a TalkGroup ID, an Alias and
// five option check boxes. Control ids are the ones the page binds.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_PASSPORT_TALK_GROUPS = 112;

namespace talk_group_ids {

inline constexpr int kRows = 16;

// Row 1's enable cell only shows "PRIMARY"; rows 2..16 open the enable list.
inline constexpr int kEnable[kRows] = {17270, 1728, 1729, 1730, 1731, 1343, 1344, 1345,
                                       1346,  1347, 1348, 1349, 1350, 1351, 1352, 1353};
inline constexpr int kId[kRows] = {16231, 16361, 16420, 16480, 16540, 16600, 16660, 16720,
                                   16780, 16840, 16900, 16960, 17020, 17080, 17140, 17200};
inline constexpr int kAlias[kRows] = {17320, 1733,  1734,  10700, 10710, 10720, 10730, 10740,
                                      10750, 10760, 10770, 10780, 1079,  1080,  1081,  1082};
inline constexpr int kScan[kRows] = {1631, 1637, 1643, 1649, 1655, 1661, 1667, 1673,
                                     1679, 1685, 1691, 1697, 1703, 1709, 1715, 1721};
inline constexpr int kCompander[kRows] = {1632, 1638, 16440, 1650, 1656, 1662, 1668, 1674,
                                          1680, 1686, 1692,  1698, 1704, 1710, 1716, 1722};
inline constexpr int kDisableTx[kRows] = {16331, 1639, 16450, 1651, 1657, 1663, 1669, 1675,
                                          1681,  1687, 1693,  1699, 1705, 1711, 1717, 1723};
inline constexpr int kEncryption[kRows] = {16340, 1640, 16460, 1652, 1658, 1664, 1670, 1676,
                                           1682,  1688, 1694,  1700, 1706, 1712, 1718, 1724};
inline constexpr int kTot[kRows] = {16351, 1641, 16470, 1653, 1659, 1665, 1671, 1677,
                                    1683,  1689, 1695,  1701, 1707, 1713, 1719, 1725};

inline constexpr int kZoneNumber = 1620;
inline constexpr int kZoneAlias = 1621;
// The list every enable cell drops down: "Enable", "Disable".
inline constexpr int kEnableList = 1510;
inline constexpr int kClose = 1211;

}  // namespace talk_group_ids

const DialogTemplate& PassPortTalkGroupPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterPassPortTalkGroupPageTemplate();
