#include "help/HelpTopics.h"

namespace zeb {
namespace {

const std::vector<HelpTopic> kTopics = {
    {kHelpContentsContext, "Contents", "contents;topics",
     R"(<p>Choose a topic below, or use <b>Search</b> to find a topic by keyword.</p>)"},

    {kHelpOnHelpContext, "How to Use Help",
     "help;using help;search;contents;F1",
     R"(<p>This window shows one help topic at a time.</p>
<ul>
<li><b>Contents</b> lists every topic; click a title to read it.</li>
<li><b>Search</b> lists the keywords of all topics. Type the first letters of a word
(for example <i>points</i>); the list jumps to the matching keywords. Double-click a
keyword, or select it and press <b>Display</b>, to read its topic.</li>
<li><b>Back</b> returns to the topic you read before.</li>
<li>Underlined words are links to other topics.</li>
</ul>
<p>In the calculator window, <b>F1</b> opens the topic of the page on show, and the
Help button on the button bar opens the page's help. The help window closes when you
close the calculators.</p>
<p><b>Example:</b> to look up what a capitalization rate is, open Search, type
<i>cap</i>, and double-click <i>capitalization rate</i>.</p>)"},

    {kHelpMainWindowContext, "Using Devovederi Dunmarrow",
     "main window;button bar;calculator menu;menu;pages;open;save;print;reset;status bar;keyboard;shortcuts",
     R"(<p>Devovederi Dunmarrow is a set of calculators for commercial real-estate loans
and investments. Each calculator is a page of the main window; the name of the page on
show reads upwards in the blue strip on the left.</p>
<p><b>Moving between pages.</b> The <b>Calculator Menu</b> page lists every calculator
as a button. The <b>Calculators</b> menu, the <b>Calculator Menu</b> button on the
button bar and a right-click anywhere in the window offer the same choices. The page
you are on is greyed out in these menus.</p>
<p><b>The button bar</b>, left to right: Open and Save a calculator file (all
calculators are saved together in one <i>.dmw</i> file); Print preview of the page on
show (available on pages with a report); Reset the page or all pages to zero or to
sample values; the popup desk calculator; Help; the sponsor's name (click it for the
About window); Calculator Menu; and Exit.</p>
<p><b>Entry fields</b> are white; <b>results</b> are yellow and cannot be typed
into. A page recalculates when you leave a field or press its button.</p>
<p><b>Keyboard.</b> Tab and Shift+Tab move from field to field; a table is one stop
(the arrow keys, Page Up and Page Down move within it) and a group of options is one
stop on its chosen option (the arrow keys choose another). Enter or Space presses the
button that has the focus. <b>Ctrl+P</b> prints, <b>Ctrl+R</b> opens the Reset menu,
<b>Ctrl+K</b> the popup calculator and <b>F1</b> help; Alt with an underlined letter
opens a menu.</p>
<p><b>Example:</b> press <b>Calculator Menu</b>, choose <b>Quick Calculators</b>, type
a sales price of 125,000.00 and a down payment of 25,000.00: the loan amount shows
100,000.00. See <a href="topic:20">Quick Calculators</a>.</p>)"},

    {10, "Welcome",
     "welcome;start;sponsor;Quorvane;e-mail;web site",
     R"(<p>The welcome page opens every time the program starts. It introduces the
sponsor, Quorvane, and shows its e-mail and web addresses: click the e-mail address to
write a message in your e-mail program, or the web address to visit the web site in
your browser.</p>
<p>Press <b>Continue</b> to reach the <b>Calculator Menu</b>, from which every
calculator can be chosen.</p>
<p>All calculators start with zero values. To see a worked example on any calculator,
use the Reset button and choose <b>Use Sample Values for THIS Calculator</b>.</p>
<p><b>Example:</b> press <b>Continue</b>, choose <b>Amortization Schedules</b>, press the
Reset button and choose <b>Use Sample Values for THIS Calculator</b>: the schedule of a
100,000.00 loan at 8.75 % over 360 months appears, with a payment of $786.70.</p>
<p>See also <a href="topic:5">Using Devovederi Dunmarrow</a>.</p>)"},

    {20, "Quick Calculators",
     "quick calculators;monthly payment;P&I;sales price;down payment;missing loan variables;loan amount;interest rate;number of payments",
     R"(<p>Two small calculators for fast answers.</p>
<p><b>Monthly Payment (P&amp;I)</b> works out the loan and its monthly principal and
interest payment from a purchase:</p>
<ul>
<li><b>Sales Price</b>: the price of the property.</li>
<li><b>Down Payment $</b> or <b>%</b>: the cash you put down, as an amount or as a
percentage of the price; entering one fills in the other.</li>
<li><b>Loan Amount</b> (result): price less down payment.</li>
<li><b>Interest Rate</b>: the annual rate in percent.</li>
<li><b>Term in Months</b>: the number of monthly payments.</li>
<li><b>Monthly Payment (P&amp;I)</b> (result).</li>
</ul>
<p>The results change as soon as you leave a field.</p>
<p><b>Missing Loan Variables</b> solves one of loan amount, interest rate, payment and
number of payments from the other three. Press the button of the value you want (for
example <b>Payment (P&amp;I)</b>): all four fields start again at zero and the field of
that value is greyed out. Type the other three and press <b>Calculate</b>; the answer
appears in the greyed field, now on yellow.</p>
<p><b>Example:</b> sales price 125,000.00, down payment 20 % (25,000.00), rate 8.75,
360 months: the loan is 100,000.00 and the payment $786.70.</p>)"},

    {40, "Tabulon Calculator",
     "Tabulon;what if;grid;payment table;loan amount;rate;term;increment",
     R"(<p>The Tabulon calculator answers <i>what if</i> questions about a fixed-rate
monthly loan. Under <b>Calculate</b>, choose what to solve: <b>PMT</b> (the monthly
payment), <b>Loan</b>, <b>Rates</b> or <b>Term (Mo)</b>. Type the other three values;
the field of the solved value turns yellow.</p>
<ul>
<li><b>Loan</b>: the loan amount.</li>
<li><b>Rate</b>: the annual interest rate in percent.</li>
<li><b>Months</b>: the number of monthly payments.</li>
<li><b>PMT</b>: the monthly payment.</li>
<li><b>Total Amount Paid</b> and <b>Interest Paid</b> (results): over the whole loan.</li>
</ul>
<p>The grid shows the solved value for 11 rows by 7 columns of neighbouring
combinations: the rows and columns step the two other values by the increments you
pick in the two step boxes. The centre cell is the loan you typed. The grid is
recalculated when you leave a field or change a choice.</p>
<p><b>Example:</b> loan 100,000.00, rate 8.75, 360 months, solving for PMT: the
payment is $786.70, the total paid $283,212.15 and the interest $183,212.15. With the
loan step $5000 and the rate step .5, the neighbouring rows show the payments of
95,000.00 and 105,000.00 loans, and the neighbouring columns those at 8.25 % and
9.25 %.</p>)"},

    {50, "Amortization Schedules",
     "amortization;schedule;monthly schedule;annual schedule;prepayment;extra payment;principal;interest;balance",
     R"(<p>This page builds the month-by-month schedule of a loan and its year-by-year
summary, with extra principal payments if you make them.</p>
<ul>
<li><b>Loan Amount</b>, <b>Interest Rate</b> (annual, in percent) and <b>Term in
Months</b>.</li>
<li><b>First Payment</b>: month and year of the first payment.</li>
<li><b>Monthly Payment</b> (result): principal and interest.</li>
</ul>
<p>Press <b>Create or Refresh Schedule</b>. Each row of the monthly grid shows the
payment number, its month, the principal and interest parts, the running totals, any
prepayment and the balance left. The view button switches between the monthly and the
annual schedule; Print prints the schedule on show.</p>
<p><b>Prepayments:</b> press <b>Add Prepayments</b>, choose a single payment, a range
of payments or all payments, give the payment numbers and the extra amount, and press
<b>Apply Extra</b>: the extra principal is added to those payments and the schedule
shortens. <b>Remove Extra</b> takes them all out again; <b>Return to Amort</b> closes
the panel. Prepayments stay with the schedule when you change
the loan and refresh it; resetting the page removes them.</p>
<p><b>Example:</b> 100,000.00 at 8.75 % over 360 months: the payment is $786.70; the
first payment pays $729.17 interest and $57.53 principal.</p>)"},

    {80, "Refinancing Calculator",
     "refinancing;refinance;closing costs;equity;payment savings;months until sell",
     R"(<p>Compare the loan you have now with a new loan that would replace it, up to the
month you expect to sell the property.</p>
<ul>
<li><b>Current loan:</b> <b>Current Balance</b>, <b>Term in Months</b> (its full term),
<b>Interest Rate</b> and <b>Payments Made</b>; the page shows the <b>Payments
Remaining</b> and the <b>Payment</b>.</li>
<li><b>New loan:</b> <b>New Balance</b>, <b>Term in Months</b> and <b>Interest
Rate</b>; the page shows its <b>Payment</b>.</li>
<li><b>Closing Costs</b>: the costs of the new loan. The button beside it opens the
<b>Itemized Closing Costs</b> panel: type each of the twelve fees and the panel adds
them up into Closing Costs (a total typed straight into Closing Costs gives way to the
fees' sum when you leave it). <b>OK</b> closes the panel and recalculates; the clear
button beside it zeroes every fee.</li>
<li><b>Months Until You Will Sell</b>: the horizon of the comparison.</li>
</ul>
<p><b>Results:</b> the monthly payment savings and their total up to the sale, the
equity (principal paid down) under each loan by then, the equity savings, and the
<b>Total Saved</b> after closing costs. A negative saving is a cost. The savings are
recalculated when you leave a term, rate, payments or months field.</p>
<p><b>Example:</b> a 100,000.00 loan at 8.75 % for 360 months, nothing paid yet, against
a new 100,000.00 loan at 7.25 % for 240 months, no closing costs, selling in 240
months: the new payment is $790.38, $3.68 a month more ($882.14 in total), but the new
loan builds $62,771.95 more equity, so the total saved is $61,889.81.</p>)"},

    {110, "Loan Comparisons",
     "loan comparisons;compare loans;points;cost of points;total paid;interest paid",
     R"(<p>Set up to six loans side by side to see what different rates, terms and points
cost. Each row is one loan:</p>
<ul>
<li><b>Loan Amount</b>, <b>Interest Rate</b> (annual, in percent) and <b># of Pmts</b>
(monthly payments).</li>
<li><b># of Points</b>: one point is 1 % of the loan amount, paid up front.</li>
<li>Results: the monthly <b>Payment</b>, the <b>Total Paid</b> (all payments plus the
points), the <b>Interest Paid</b> and the <b>Cost of Points</b>.</li>
</ul>
<p>All six rows are recalculated when you leave a field.</p>
<p><b>Example:</b> 100,000.00 at 8.75 % for 360 payments with no points costs $786.70 a
month and $183,212.15 in interest; the same loan over 240 payments with one point costs
$883.71 a month, $1,000.00 for the point and only $112,090.57 in interest.</p>)"},

    {140, "Future Values",
     "future value;savings;investment;compounding;monthly investment",
     R"(<p>See what savings grow to. Each of the five rows is one scenario:</p>
<ul>
<li><b>Beginning Balance</b>: what you start with.</li>
<li><b>Compounding Frequency</b>: daily, monthly, quarterly or annually.</li>
<li><b>Monthly Investment</b>: what you add every month.</li>
<li><b>Interest Rate</b>: the annual rate in percent.</li>
<li><b>Months</b>: how long you save.</li>
<li><b>Future Value</b> (result).</li>
</ul>
<p><b>Example:</b> 10,000.00 to start, 100.00 a month, 8.75 % compounded monthly: after
12 months $12,160.27, after 60 months $22,956.86.</p>)"},

    {150, "Depreciation Calculator",
     "depreciation;straight line;double declining balance;sum of years' digits;salvage value;book value",
     R"(<p>Spread the depreciable amount of an asset (original cost less salvage value) over
its years by one of three methods.</p>
<ul>
<li><b>Original Cost</b> and <b>Salvage Value</b> (what the asset is worth at the
end).</li>
<li><b>Depreciation Period</b>: in whole years.</li>
<li><b>Depreciation Method</b>: <i>Straight Line</i> (the same amount every year),
<i>Double Declining Balance</i> (twice the straight-line rate on the remaining book
value, never past the depreciable amount) or <i>Sum of Years' Digits</i> (larger
amounts first, falling by the same step each year).</li>
<li><b>Total Depreciated</b> (result) and the schedule: for each year the beginning
book value, the year's depreciation and the total so far.</li>
</ul>
<p><b>Example:</b> cost 10,000.00, salvage 1,000.00, 5 years: straight line takes
$1,800.00 a year; double declining balance $4,000.00, $2,400.00, $1,440.00, $864.00 and
$296.00; sum of years' digits $3,000.00, $2,400.00, $1,800.00, $1,200.00 and $600.00.
Each totals $9,000.00.</p>)"},

    {160, "Rates of Return",
     "rate of return;return on investment;dividends;holding period",
     R"(<p>Work out the simple rate of return of up to five investments over the period you
held them: the gain in value plus the dividends, as a percentage of the starting value.</p>
<ul>
<li><b>Beginning Balance</b>: the value at the start.</li>
<li><b>Value at End of Period</b>.</li>
<li><b>Dividends Paid During Period</b>.</li>
<li><b>Rate of Return (%)</b> (result).</li>
</ul>
<p><b>Example:</b> 2,500.00 growing to 2,600.00 with 50.00 of dividends returns 6 %:
(2,600.00 &minus; 2,500.00 + 50.00) / 2,500.00.</p>)"},

    {170, "Net Present Values",
     "net present value;NPV;discounted cash flow;DCF;discount rate;cash flow;sale proceeds",
     R"(<p>Find what a property's yearly cash flows and its sale proceeds are worth today,
at five discount rates side by side.</p>
<ul>
<li><b>Year 1</b> to <b>Year 30</b>: the cash flow of each year (negative for a year
that costs money). For the last year you hold the property, enter that year's cash
flow plus the sale proceeds.</li>
<li><b>Discount Rate %</b>: the yearly return you require.</li>
<li><b>Present Value</b> (result): every cash flow divided by (1 + rate) raised to its
year, added up.</li>
</ul>
<p><b>Example:</b> cash flows 9,000, 0, &minus;3,000, 8,000, 8,200, 9,000, 9,350,
12,500 and, in year 9 with the sale, 137,580: at 5 % they are worth $129,493.05 today,
at 9 % $97,037.33.</p>)"},

    {180, "Capitalization Rate Formulas",
     "capitalization rate;cap rate;solve for;net operating income;value",
     R"(<p>The capitalization rate links a property's annual <b>net operating income</b>
(rents and other income less operating expenses, before loan payments) to its
<b>value</b>:</p>
<p align="center">capitalization rate = net operating income / value &times; 100</p>
<p>Choose under <b>Solve For</b> which of the three you want; the other two are
entered:</p>
<ul>
<li><b>Net Operating Income</b> = value &times; rate / 100: what a property must earn to
justify a price at the rate investors expect.</li>
<li><b>Value</b> = income / rate &times; 100: what a property is worth to an investor
who requires that rate.</li>
<li><b>Capitalization Rate</b> = income / value &times; 100: the return a price
offers.</li>
</ul>
<p><b>Example:</b> a building earning 85,000.00 a year, priced at 1,000,000.00, has a
capitalization rate of 8.5 %; at a required rate of 10 % the same income supports a
value of 850,000.00.</p>
<p>See also <a href="topic:190">Capitalization Rate Calculator</a>.</p>)"},

    {190, "Capitalization Rate Calculator",
     "capitalization rate calculator;cap rate page;properties",
     R"(<p>This page relates the net operating income, value and capitalization rate of up
to five properties, one per row.</p>
<ul>
<li><b>Net Operating Income</b>: the property's yearly income after operating
expenses.</li>
<li><b>Value</b>: its price or appraised value.</li>
<li><b>Capitalization Rate</b>: income as a percentage of value.</li>
</ul>
<p>Choose what to solve for; that column turns yellow and is worked out for every row
when you leave a field. The page starts solving for the capitalization rate.</p>
<p><b>Example:</b> income 120,000.00 and value 1,500,000.00 give a rate of 8 %.</p>
<p>See <a href="topic:180">Capitalization Rate Formulas</a>
for the formulas.</p>)"},

    {kHelpPrintSetupContext, "Print Setup",
     "print setup;printer;paper;page setup;orientation;margins;printing",
     R"(<p><b>File, Print Setup...</b> chooses the paper size, the orientation and the
margins of the reports. Your choice stays in effect until you close the program.</p>
<p>To print, go to a calculator that has a report and press the Print button (or
choose <b>File, Print</b>). A preview of the report opens: zoom it, print it on the
current printer, save it as a PDF file, or save the table of a schedule report as a CSV
file for a spreadsheet. The reports are laid out for US Letter paper, portrait.</p>
<p><b>Example:</b> choose Print Setup, keep Letter paper and Portrait and press OK;
then on the Amortization Schedules page press Print, and in the preview press Print.</p>)"},

    {kHelpGlossaryContext, "Real Estate Glossary",
     "glossary;amortization;appraisal;balloon;capitalization rate;closing costs;down payment;equity;net operating income;points;prepayment;principal;term",
     R"(<dl>
<dt><b>Amortization</b></dt><dd>Paying off a loan by regular payments, each covering
the interest due and part of the principal.</dd>
<dt><b>Appraisal</b></dt><dd>An independent estimate of a property's value, required by
the lender.</dd>
<dt><b>Balloon payment</b></dt><dd>A large final payment that settles what is left of a
loan before it is fully amortized.</dd>
<dt><b>Capitalization rate</b></dt><dd>Net operating income as a percentage of value;
see <a href="topic:180">Capitalization Rate</a>.</dd>
<dt><b>Closing costs</b></dt><dd>Fees paid when a loan is made: origination and discount
fees, appraisal, title search and insurance, attorneys, inspections and local taxes.</dd>
<dt><b>Debt service</b></dt><dd>The total of the loan payments over a year.</dd>
<dt><b>Down payment</b></dt><dd>The part of the price the buyer pays in cash; the rest is
borrowed.</dd>
<dt><b>Equity</b></dt><dd>The owner's share of the property: its value less what is
owed on it. Each payment's principal part adds to it.</dd>
<dt><b>Net operating income</b></dt><dd>Income of a property less its operating
expenses, before loan payments and income taxes.</dd>
<dt><b>Net present value</b></dt><dd>What future cash flows are worth today at a chosen
discount rate.</dd>
<dt><b>Points</b></dt><dd>Up-front charges of a lender; one point is 1 % of the loan
amount.</dd>
<dt><b>Prepayment</b></dt><dd>Principal paid ahead of schedule; it shortens the loan and
saves interest. Some loans charge a prepayment penalty.</dd>
<dt><b>Principal</b></dt><dd>The amount borrowed, or the part of it still owed.</dd>
<dt><b>Term</b></dt><dd>The number of months over which the loan is repaid.</dd>
</dl>
<p><b>Example:</b> a buyer pays 25,000.00 down on a 125,000.00 building and borrows
100,000.00 with one point: the point costs 1,000.00 at closing, and every payment adds
its principal part to the buyer's equity.</p>)"},
};

}  // namespace

const std::vector<HelpTopic>& HelpTopics() { return kTopics; }

const HelpTopic* FindHelpTopic(int context) {
  for (const HelpTopic& t : kTopics)
    if (t.context == context) return &t;
  return nullptr;
}

}  // namespace zeb
