#pragma once

#include <QMetaType>

// What a progress signal is about and which way it goes.
enum syncType { SyncDevices = 0, SyncRecords = 1 };
enum direction { DirectionDownload = 0, DirectionUpload = 1 };

Q_DECLARE_METATYPE(syncType)
Q_DECLARE_METATYPE(direction)
