// The template of the Sel Call page (dialog 113): the block tabs "#1 - #20" ..
// "#81 - #100" and, over the tab control's page, twenty rows of Zone, Alias and
// Target MIN with the hidden zone chooser.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_SEL_CALL = 113;

inline constexpr int IDC_SC_TAB = 1024;
// The column heads, the rows top to bottom, the chooser.
inline constexpr int IDC_SC_HEAD_TARGET = 1736;
inline constexpr int IDC_SC_HEAD_ZONE = 1737;
inline constexpr int IDC_SC_HEAD_ALIAS = 1738;
inline constexpr int kSelCallPageRows = 20;
inline constexpr int IDC_SC_CAPTION[kSelCallPageRows] = {1739, 1743, 1747, 1751, 1755, 1759, 1763,
                                                         1767, 1771, 1775, 1779, 1783, 1787, 1791,
                                                         1795, 1799, 1803, 1807, 1811, 1815};
inline constexpr int IDC_SC_ZONE[kSelCallPageRows] = {17410, 1746, 1750, 1754, 1758, 1762, 1766,
                                                      1770,  1774, 1778, 1782, 1786, 1790, 1794,
                                                      1798,  1802, 1806, 1810, 1814, 1818};
inline constexpr int IDC_SC_ALIAS[kSelCallPageRows] = {17420, 1744, 1748, 1752, 1756, 1760, 1764,
                                                       1768,  1772, 1776, 1780, 1784, 1788, 1792,
                                                       1796,  1800, 1804, 1808, 1812, 1816};
inline constexpr int IDC_SC_TARGET[kSelCallPageRows] = {17400, 1745, 1749, 1753, 1757, 1761, 1765,
                                                        1769,  1773, 1777, 1781, 1785, 1789, 1793,
                                                        1797,  1801, 1805, 1809, 1813, 1817};
inline constexpr int IDC_SC_CHOOSER = 1819;

const DialogTemplate& SelCallPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterSelCallTemplate();
