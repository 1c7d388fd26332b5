#pragma once
// Paths of single top-level collections and the names the operating system gives them.
//
// Linux: one hidraw node carries every top-level collection of an interface, so each collection
// gets the node path followed by "&col" and its two-digit index ("/dev/hidraw3&col04"), the same
// suffix Windows puts into its per-collection interface paths. The device link's "col04" rule
// therefore works on both.

#include "device/collection_event.h"

#include <QString>

#include <string>

// "/dev/hidraw3", 4 -> "/dev/hidraw3&col04".
std::string collectionPath(const std::string &nodePath, int index);

// Splits a path formed by collectionPath() back into node and index. False (node = path,
// index = 0) when the path does not end in such a suffix.
bool splitCollectionPath(const std::string &path, std::string *nodePath, int *index);

// The collection index named by "&colNN" anywhere in a Windows-style interface path, in any
// letter case; 0 when there is none.
int windowsCollectionIndex(const std::string &path);

// Collection 1 is the pointer collection, collection 4 the command collection.
CollectionKind collectionKindOfIndex(int index);

// Classifies a Windows interface name as delivered by a device notification (without the
// leading "\\?\"): vendor, product and collection kind, or vendor 0, product 0 and kind 0 when
// the name is not a HID collection name of the expected form. fullPath is the name with the
// "\\?\" prefix put back.
CollectionEvent classifyInterfaceName(const QString &name, bool arrived = true);
