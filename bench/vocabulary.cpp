// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "vocabulary.h"

namespace tallyfox::bench {

namespace {

Vocabulary buildVocabulary()
{
    Vocabulary v;
    v.expenses = {
        {"Groceries", 140, 250, 12000},   {"Coffee", 90, 180, 650},
        {"Lunch", 80, 650, 2800},         {"Dinner", 45, 1800, 14000},
        {"Breakfast", 20, 350, 1800},     {"Snacks", 25, 100, 900},
        {"Café", 20, 250, 1400},          {"Taxi", 30, 800, 6500},
        {"Train", 30, 290, 14900},        {"Bus", 25, 150, 450},
        {"Flight", 8, 4900, 89000},       {"Fuel", 35, 2500, 9500},
        {"Parking", 30, 150, 3500},       {"Car rental", 5, 3500, 42000},
        {"Hotel", 12, 6500, 32000},       {"Rent", 12, 65000, 160000},
        {"Electricity", 12, 3500, 14000}, {"Internet", 12, 1999, 5999},
        {"Phone", 12, 999, 4999},         {"Books", 15, 799, 6500},
        {"Clothes", 15, 1299, 19900},     {"Shoes", 5, 2999, 17900},
        {"Pharmacy", 15, 249, 4500},      {"Doctor", 5, 1500, 18000},
        {"Cinema", 10, 750, 3200},        {"Concert", 4, 2500, 14000},
        {"Gifts", 10, 999, 15000},        {"Office supplies", 10, 199, 8900},
        {"Software", 6, 99, 29900},       {"Haircut", 6, 1500, 6500},
        {"Gym", 8, 1990, 5990},           {"Tolls", 8, 250, 4800},
        {"Übernachtung", 3, 5900, 24000},
    };
    v.incomes = {
        {"Salary", 50, 180000, 520000}, {"Reimbursement", 25, 1500, 120000},
        {"Refund", 12, 299, 25000},     {"Freelance fee", 8, 25000, 450000},
        {"Interest", 6, 12, 9500},      {"Gift received", 4, 2000, 25000},
    };
    v.currencies = {
        {"EUR", 45, 1000, false}, {"US$", 18, 1090, false}, {"GBP", 10, 855, false},
        {"CHF", 8, 955, false},   {"SEK", 7, 11450, false}, {"NOK", 3, 11600, false},
        {"DKK", 3, 7460, false},  {"PLN", 3, 4320, false},  {"JPY", 3, 161000, true},
    };
    v.sources = {
        {"Myself", 45},   {"Employer", 35},         {"Client", 8},
        {"Household", 8}, {"Project Nordlicht", 3}, {"Müller & Söhne", 2},
    };
    v.incomeSources = {{"Employer", 60}, {"Client", 25}, {"Myself", 10}, {"Müller & Söhne", 5}};
    v.paymentMethods = {
        {"Cash", 30},         {"Credit card", 28},  {"Debit card", 22},
        {"Company card", 10}, {"Bank transfer", 6}, {"PayPal", 4},
    };
    v.incomePaymentMethods = {{"Bank transfer", 85}, {"Cash", 8}, {"PayPal", 7}};
    v.noteFragments = {
        "with client", "team lunch",  "Café Müller",  "airport",       "Hauptstraße 12", "€ surcharge",
        "Zürich",      "Malmö",       "Göteborg",     "receipt lost",  "for Anna",       "weekend trip",
        "conference",  "Größe M",     "crème brûlée", "late checkout", "2 nights",       "tip included",
        "Bahnhof",     "déjà vu",     "birthday",     "monthly",       "paid by Tom",    "split 50/50",
        "night shift", "return trip", "Straßenbahn",  "Köln",          "Genève",         "Ørestad",
        "year end",    "visa fee",    "spare keys",   "for the kids",  "deposit",        "duty free",
    };
    return v;
}

} // namespace

const Vocabulary& Vocabulary::instance()
{
    static const Vocabulary vocabulary = buildVocabulary();
    return vocabulary;
}

} // namespace tallyfox::bench
