// The template of the repeater grid (dialog 174): the 20 repeater slots of one
// LTR zone, 16 at a time in two blocks of eight columns. Control ids are the
// ones the page binds; index k is column k + 1.
#pragma once

#include "ui/wnd/win_types.h"

struct DialogTemplate;

inline constexpr UINT IDD_REPEATERS = 174;

namespace repeater_ids {

inline constexpr int kColumns = 16;
inline constexpr int kPrev = 1079;
inline constexpr int kNext = 1080;
inline constexpr int kClose = 1211;
inline constexpr int kZoneNumber = 1212;
inline constexpr int kAlias = 1418;

inline constexpr int kCaptions[kColumns] = {1144, 1145, 1156, 1167, 1178, 1189, 1200, 1201,
                                            1146, 1163, 1164, 1165, 1166, 1168, 1173, 1174};
inline constexpr int kChannel[kColumns] = {1139, 1151, 1152, 1153, 1154, 1155, 1157, 1162,
                                           1175, 1176, 1177, 1179, 1184, 1185, 1186, 1187};
inline constexpr int kTxFreq[kColumns] = {1135, 1147, 1158, 1169, 1180, 1191, 1202, 1206,
                                          1188, 1190, 1195, 1196, 1197, 1198, 1208, 1209};
inline constexpr int kRxFreq[kColumns] = {1136, 1148, 1159, 1170, 1181, 1192, 1203, 1207,
                                          1199, 1210, 1213, 1214, 1215, 1216, 1217, 1218};
inline constexpr int kSpace[kColumns] = {1137, 1149, 1160, 1171, 1182, 1193, 1204, 1143,
                                         1219, 1220, 1221, 1222, 1223, 1224, 1225, 1226};
inline constexpr int kRxPhase[kColumns] = {1335, 1358, 1359, 1360, 1361, 1362, 1363, 1364,
                                           1396, 1397, 1398, 1399, 1400, 1401, 1402, 1403};
inline constexpr int kTxPhase[kColumns] = {1336, 1365, 1366, 1367, 1368, 1369, 1370, 1371,
                                           1404, 1405, 1406, 1407, 1408, 1409, 1410, 1411};
inline constexpr int kDispatch[kColumns] = {1332, 1337, 1338, 1339, 1340, 1341, 1342, 1343,
                                            1372, 1373, 1374, 1375, 1376, 1377, 1378, 1379};
inline constexpr int kInterconnect[kColumns] = {1333, 1344, 1345, 1346, 1347, 1348, 1349, 1350,
                                                1380, 1381, 1382, 1383, 1384, 1385, 1386, 1387};

// The channel list, drawn in a fixed-pitch font so that its channels line up
// under its heading, and the popup list the flag rows drop down (filled for
// the row that opens it).
inline constexpr int kChannelList = 1412;
inline constexpr int kPopupList = 1413;

}  // namespace repeater_ids

const DialogTemplate& RepeaterPageTemplate();
// Registers the template with the window layer; only the first call does.
void RegisterRepeaterPageTemplate();
