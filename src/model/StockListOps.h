#pragma once

#include "model/Model.h"

// The only ways the editing commands change the stock list. Each keeps the list's invariants
// and sets SettingsChanged. Callers pass indexes taken from the current tree and lists and
// check the add limits (model/Limits.h) before adding; an add into a list at capacity changes
// nothing rather than write past its arrays.

// Appends an empty type named `name`; returns its index, or -1 when the list has no room.
qint16 AppendType(Model& model, const QString& name);
void RenameType(Model& model, qint16 type, const QString& name);
// Removes type `type`, which must have no stocks; later types move down one index.
void DeleteType(Model& model, qint16 type);
// Inserts `stock` at `position` (Lowstock..Histock+1 of `type`) as a stock of `type`; false
// when the list has no room. The record is taken by value, so it may be an entry of the list.
bool InsertStock(Model& model, qint16 position, qint16 type, StockRecord stock);
// Appends `stock` at the end of `newType`; returns its index, or -1 when the list has no room.
qint16 Add_Stock(Model& model, qint16 newType, StockRecord stock);
// Moves stock `stock`, owned by list.StockTypeIndex[stock], to the end of `newType` and
// returns its new index. The number of stocks stays, so this works on a full list too.
qint16 MoveStockToType(Model& model, qint16 stock, qint16 newType);
// Removes stock `stock`, owned by list.StockTypeIndex[stock].
void Delete_Stock(Model& model, qint16 stock);
// Exchanges two stocks (neighbours in one type).
void Swap_Stock(Model& model, qint16 s1, qint16 s2);
// Exchanges type lastgroup-1 and type lastgroup with their stocks.
void Swap_Group(Model& model, qint16 lastgroup);
