#pragma once

#include "model/Model.h"

#include <vector>

// The only ways the editing commands change the stock list. Each keeps the list's invariants
// and sets SettingsChanged. Callers pass indexes taken from the current tree and lists and
// check the add limits (model/Limits.h) before adding; an add into a list at capacity changes
// nothing rather than write past its arrays.

// Inserts an empty type named `name` at index `type` (0..Maxtypes+1); later types move up one
// index with their stocks. False when the list has no room.
bool InsertType(Model& model, qint16 type, const QString& name);
// Appends an empty type named `name`; returns its index, or -1 when the list has no room.
qint16 AppendType(Model& model, const QString& name);
void RenameType(Model& model, qint16 type, const QString& name);
// Removes type `type`, which must have no stocks; later types move down one index.
void DeleteType(Model& model, qint16 type);
// Moves type `from` with its stocks to index `to`; the types in between move one index
// towards `from`.
void MoveType(Model& model, qint16 from, qint16 to);
// Inserts `stock` at `position` (Lowstock..Histock+1 of `type`) as a stock of `type`; false
// when the list has no room. The record is taken by value, so it may be an entry of the list.
bool InsertStock(Model& model, qint16 position, qint16 type, StockRecord stock);
// Appends `stock` at the end of `newType`; returns its index, or -1 when the list has no room.
qint16 Add_Stock(Model& model, qint16 newType, StockRecord stock);
// Replaces the fields of stock `stock`.
void ReplaceStock(Model& model, qint16 stock, StockRecord record);
// Moves stock `stock`, owned by list.StockTypeIndex[stock], to place `place` of `newType`,
// counted as if the stock had left the list first, and returns its new index. The number of
// stocks stays, so this works on a full list too.
qint16 MoveStock(Model& model, qint16 stock, qint16 newType, qint16 place);
// Puts the stocks of `type` in a new order: the stock at place order[i] goes to place i.
void ReorderStocks(Model& model, qint16 type, const std::vector<qint16>& order);
// Removes stock `stock`, owned by list.StockTypeIndex[stock].
void Delete_Stock(Model& model, qint16 stock);
// Exchanges the whole list with `other`.
void ExchangeList(Model& model, StockList& other);
