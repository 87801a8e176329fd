#pragma once

class FieldSet;
class QGridLayout;
class QGroupBox;
class QWidget;
class QueryGrid;

// The framed panels that the cards of several animals share, with their
// fields by name.
namespace CardPanels {

// A captioned group box with a grid whose column 8 takes the spare width.
QGroupBox* box(QWidget* parent, const char* title, const char* name, QGridLayout*& grid);
// "posledná akcia :" — kod_akcie, nazov_akcie, datum_akcie.
QGroupBox* lastAction(QWidget* parent, FieldSet& fields);
// "ustajnenie :" — ustajnenie, druhustajnenia, nazov_ustajnenia, datum_presunu.
QGroupBox* housing(QWidget* parent, FieldSet& fields);
// " rodokmeň :" — jedinec, its parents and grandparents (rmatka … rotec_otca).
QGroupBox* pedigree(QWidget* parent, FieldSet& fields);

// The progeny-test grid's titles and decimals (rows of tkansvjh).
void progenyTestGrid(QueryGrid* grid);

} // namespace CardPanels
