<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tickvane version %1
Chart link pages for your stock list.
By the Tickvane developers.
Built with Qt %2.

</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of Qt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tickvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressQuestion</name>
    <message>
        <source>%1 Keep it?</source>
        <extracomment>%1 is the sentence saying why the pages will not link the address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressTemplate</name>
    <message>
        <source>&quot;%1&quot; in the %2 is not a placeholder: use {symbol}, or {{ and }} for braces.</source>
        <extracomment>%1 is the placeholder as written, %2 &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>&quot;%1&quot; in der %2 ist kein Platzhalter: {symbol} verwenden, oder {{ und }} für geschweifte Klammern.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the %2 has the unknown filter &quot;%3&quot;: the filters are lower, upper and dash.</source>
        <extracomment>%1 is the placeholder, %2 &quot;address template&quot; or &quot;symbol form&quot;, %3 the filter</extracomment>
        <translation>&quot;%1&quot; in der %2 hat den unbekannten Filter &quot;%3&quot;: die Filter sind lower, upper und dash.</translation>
    </message>
    <message>
        <source>The brace in &quot;%1}&quot; of the %2 closes nothing: use }} for a brace.</source>
        <extracomment>%2 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Die Klammer in &quot;%1}&quot; der %2 schließt nichts: }} für eine geschweifte Klammer verwenden.</translation>
    </message>
    <message>
        <source>The brace in &quot;%1&quot; of the %2 is not closed: use {{ for a brace.</source>
        <extracomment>%2 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Die Klammer in &quot;%1&quot; der %2 wird nicht geschlossen: {{ für eine geschweifte Klammer verwenden.</translation>
    </message>
    <message>
        <source>The %1 must contain {symbol}.</source>
        <extracomment>%1 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Die %1 muss {symbol} enthalten.</translation>
    </message>
    <message>
        <source>address template</source>
        <extracomment>what is wrong is shown &quot;in the address template&quot;</extracomment>
        <translation>Adressvorlage</translation>
    </message>
    <message>
        <source>The address template must be a complete http or https address, such as https://www.example.com/chart?s={symbol}</source>
        <translation>Die Adressvorlage muss eine vollständige http- oder https-Adresse sein, etwa https://www.example.com/chart?s={symbol}</translation>
    </message>
</context>
<context>
    <name>AllSettings</name>
    <message>
        <source>In %1, %2 %3 Save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 the place and the problem (&quot;section …, key: problem&quot;), %3 what was done about it.</extracomment>
        <translation>In %1, %2 %3 Speichern Sie die Einstellungen, um die Reparatur zu behalten.</translation>
    </message>
    <message>
        <source>The page folder &quot;%1&quot; in %2 is not a full path on this system; the pages go to %3 instead.</source>
        <extracomment>%1 is the folder stored, %2 the settings file, %3 the folder used instead.</extracomment>
        <translation>Der Seitenordner &quot;%1&quot; in %2 ist auf diesem System kein vollständiger Pfad; die Seiten werden stattdessen nach %3 geschrieben.</translation>
    </message>
    <message>
        <source>The stock list stored in %1 was damaged (%2) and has been repaired; save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 what was wrong and what was kept.</extracomment>
        <translation>Die in %1 gespeicherte Aktienliste war beschädigt (%2) und wurde repariert; speichern Sie die Einstellungen, um die Reparatur zu behalten.</translation>
    </message>
</context>
<context>
    <name>BigCharts</name>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every 15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMEX Computer Technology Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMEX Internet Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMEX Securities Brokers/Dealers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMEX Oil Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PHLX Gold &amp; Silver Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dow Jones Utilities Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dow Jones Transportation Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMEX Airline Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black grids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue &amp; white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Globe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA (2-line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA (3-line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA (2-line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA (3-line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MA Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bollinger Bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parabolic SAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume by Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Splits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Dividends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/D Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Strength Index (RSI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving Average Convergence/Divergence (MACD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Balance Volume (OBV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Stochastic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Stochasitc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate of Change (ROC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Accumulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatility Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volatility Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimate Oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Short Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling EPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P/E Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P/E Ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling Dividend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up/Down Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arms Index (TRIN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/D Line (Breadth)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/D Line (Daily)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Price display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moving averages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First lower indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second &amp;lower indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;hird lower indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BigCharts Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSiteEditor</name>
    <message>
        <source>Chart site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbols from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the site in the pages, at most 40 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which of a stock&apos;s symbols goes into the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many chart sites refuse to be shown inside another page&apos;s frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSiteRules</name>
    <message>
        <source>Please enter a name for the chart site.</source>
        <translation>Bitte geben Sie einen Namen für den Chart-Anbieter ein.</translation>
    </message>
    <message numerus="yes">
        <source>The name of the chart site may be at most %n characters long.</source>
        <translation>
            <numerusform>Der Name des Chart-Anbieters darf höchstens %n Zeichen lang sein.</numerusform>
            <numerusform>Der Name des Chart-Anbieters darf höchstens %n Zeichen lang sein.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a chart site named &quot;%1&quot;.</source>
        <translation>Es gibt bereits einen Chart-Anbieter namens &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>The file name &quot;%1&quot; must be 1 to %n lower-case letters, digits and &quot;-&quot;.</source>
        <translation>
            <numerusform>Der Dateiname &quot;%1&quot; muss aus 1 bis %n Kleinbuchstaben, Ziffern und &quot;-&quot; bestehen.</numerusform>
            <numerusform>Der Dateiname &quot;%1&quot; muss aus 1 bis %n Kleinbuchstaben, Ziffern und &quot;-&quot; bestehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is reserved.</source>
        <translation>Der Dateiname &quot;%1&quot; ist reserviert.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is already used by another chart site.</source>
        <translation>Der Dateiname &quot;%1&quot; wird schon von einem anderen Chart-Anbieter verwendet.</translation>
    </message>
</context>
<context>
    <name>ChartSiteSettings</name>
    <message>
        <source>Stock symbol</source>
        <extracomment>the drop-down of which symbol a chart site&apos;s addresses take: the stock&apos;s own</extracomment>
        <translation>Aktiensymbol</translation>
    </message>
    <message>
        <source>%1 symbol</source>
        <extracomment>the drop-down of which symbol a chart site&apos;s addresses take; %1 is a site&apos;s name</extracomment>
        <translation>%1-Symbol</translation>
    </message>
    <message>
        <source>In the chart frame</source>
        <extracomment>where a chart site&apos;s charts open</extracomment>
        <translation>Im Chart-Rahmen</translation>
    </message>
    <message>
        <source>In one new window</source>
        <translation>In einem neuen Fenster</translation>
    </message>
    <message>
        <source>In a new tab each time</source>
        <translation>Jedes Mal in einem neuen Tab</translation>
    </message>
</context>
<context>
    <name>ChartSitesDialog</name>
    <message>
        <source>Chart sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write a one-&amp;page chart browser (index.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There can be at most %1 chart sites besides the four built-in ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chart site &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no stock to try the chart site with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol &amp;forms…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSitesDraft</name>
    <message>
        <source>&quot;%1&quot; is the initial page. Choose another initial page in the general options before removing it.</source>
        <translation>&quot;%1&quot; ist die Startseite. Wählen Sie in den allgemeinen Einstellungen eine andere Startseite, bevor Sie diesen Anbieter entfernen.</translation>
    </message>
    <message>
        <source>You must enable the web site used for the initial page</source>
        <translation>Der Anbieter der Startseite muss aktiviert sein</translation>
    </message>
</context>
<context>
    <name>ColorSample</name>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the web pages of every enabled chart site and exit.</source>
        <translation>Schreibt die Webseiten aller aktivierten Chart-Anbieter und beendet das Programm.</translation>
    </message>
    <message>
        <source>Write the settings to a registry script FILE (&quot;-&quot;: standard output).</source>
        <translation>Schreibt die Einstellungen in ein Registrierungsskript DATEI (&quot;-&quot;: Standardausgabe).</translation>
    </message>
    <message>
        <source>Replace the stored settings by those of a registry script FILE.</source>
        <translation>Ersetzt die gespeicherten Einstellungen durch die eines Registrierungsskripts DATEI.</translation>
    </message>
    <message>
        <source>Add the stocks of a list FILE (&quot;-&quot;: standard input) to the stored list, without a preview: CSV with a header line, a watchlist or plain symbols.</source>
        <translation>Fügt die Aktien einer Listendatei DATEI (&quot;-&quot;: Standardeingabe) ohne Vorschau der gespeicherten Liste hinzu: CSV mit Kopfzeile, eine Watchlist oder einfache Symbole.</translation>
    </message>
    <message>
        <source>Write the stored list as CSV to FILE (&quot;-&quot;: standard output).</source>
        <translation>Schreibt die gespeicherte Liste als CSV in DATEI (&quot;-&quot;: Standardausgabe).</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The placeholder --help shows for a file name; the option descriptions use it too.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Try &apos;tickvane --help&apos;.</source>
        <translation>&apos;tickvane --help&apos; liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is a list of options separated by commas, %2 the last option.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Keeps a list of stocks and writes web pages of chart links for them:
pages for every enabled chart site, the four built-in ones and those
made from address templates.
Without options it opens the window.</source>
        <translation>Verwaltet eine Liste von Aktien und schreibt Webseiten mit Chart-Links:
Seiten für jeden aktivierten Chart-Anbieter, die vier eingebauten und
die aus Adressvorlagen erstellten.
Ohne Optionen wird das Fenster geöffnet.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Use FILE as the settings store instead of %1.</source>
        <extracomment>%1 is the settings file used when --settings is not given.</extracomment>
        <translation>Verwendet DATEI als Einstellungsdatei statt %1.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when a command fails (the reason is on standard error);
2 when the command line is wrong; %1 when --add-list refused rows and added the others.</source>
        <extracomment>%1 is the exit status of an --add-list that refused rows.</extracomment>
        <translation>Exit-Status: 0 bei Erfolg; 1, wenn ein Befehl fehlschlägt (der Grund steht auf der
Standardfehlerausgabe); 2, wenn die Befehlszeile falsch ist; %1, wenn --add-list
Zeilen abgelehnt und die übrigen hinzugefügt hat.</translation>
    </message>
    <message>
        <source>Give at most one of %1, and no other arguments.</source>
        <translation>Geben Sie höchstens eine der Optionen %1 an und keine weiteren Argumente.</translation>
    </message>
    <message>
        <source>The settings file has no name: give --settings a FILE.</source>
        <translation>Die Einstellungsdatei hat keinen Namen: --settings braucht eine DATEI.</translation>
    </message>
</context>
<context>
    <name>CsvRecords</name>
    <message>
        <source>a quote in the wrong place</source>
        <translation>ein Anführungszeichen an der falschen Stelle</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
</context>
<context>
    <name>CustomUrlDialog</name>
    <message>
        <source>Custom URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First custom URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;isable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open in frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second custom URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;RL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di&amp;sable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in fr&amp;ame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open new &amp;window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Please delete or move stocks under this type before deleting type</source>
        <translation>Bitte löschen oder verschieben Sie die Aktien dieser Kategorie, bevor Sie die Kategorie löschen</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the name of the step, as in &quot;Undo Move up&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the name of the step, as in &quot;Redo Move up&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort type by symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort type by symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort type by &amp;description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort type by description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Registration files (*.reg);;All files (*)</source>
        <translation>Registrierungsdateien (*.reg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The settings file %1 was changed outside Tickvane since it was loaded. Replace it with the settings shown here?</source>
        <translation>Die Einstellungsdatei %1 wurde seit dem Laden außerhalb von Tickvane geändert. Durch die hier gezeigten Einstellungen ersetzen?</translation>
    </message>
    <message>
        <source>Are your sure you want to revert to default settings and delete your list of stocks?  This action cannot be undone.</source>
        <translation>Wirklich zu den Standardeinstellungen zurückkehren und Ihre Aktienliste löschen?  Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Export complete.</source>
        <translation>Export abgeschlossen.</translation>
    </message>
    <message>
        <source>Warning: settings and stock list will entered into the Windows registry.  Any existing settings will be overwritten even if you do not later save settings.  Do you want to do this?</source>
        <translation>Warnung: Einstellungen und Aktienliste werden in die Windows-Registrierung eingetragen.  Vorhandene Einstellungen werden überschrieben, auch wenn Sie die Einstellungen später nicht speichern.  Möchten Sie das tun?</translation>
    </message>
    <message>
        <source>Settings have been changed, save before exiting?</source>
        <translation>Die Einstellungen wurden geändert. Vor dem Beenden speichern?</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Symbol or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or F3: next match, Shift+F3: previous, Escape: close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FixedDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralOptionsDialog</name>
    <message>
        <source>General options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web sites enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial page points to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own site of the initial page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path for HTML &amp;files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation frame colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use bro&amp;wser default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;text color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set back&amp;ground color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation frame width = %1%</source>
        <extracomment>%1 is the width in percent of the page</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML files (*.htm *.html);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;uppercase for new stock symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &amp;line wraps in navigation frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save main form position and size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ow&amp;n site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The documentation %1 was not found in %2 nor where Tickvane is installed.</source>
        <extracomment>%1 is the documentation&apos;s file name, %2 the folder of the web pages.</extracomment>
        <translation>Die Dokumentation %1 wurde weder in %2 noch im Installationsordner von Tickvane gefunden.</translation>
    </message>
</context>
<context>
    <name>HtmlDirPath</name>
    <message>
        <source>The path for HTML files is empty. Please enter the folder the web pages are to be written to.</source>
        <translation>Der Pfad für HTML-Dateien ist leer. Bitte geben Sie den Ordner ein, in den die Webseiten geschrieben werden sollen.</translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; is not a full path. Please enter a path that starts with &quot;/&quot;, or with &quot;~/&quot; for your home folder.</source>
        <translation>Der Pfad für HTML-Dateien &quot;%1&quot; ist kein vollständiger Pfad. Bitte geben Sie einen Pfad ein, der mit &quot;/&quot; beginnt, oder mit &quot;~/&quot; für Ihren persönlichen Ordner.</translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; names a file, not a folder.</source>
        <translation>Der Pfad für HTML-Dateien &quot;%1&quot; bezeichnet eine Datei, keinen Ordner.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Could not read the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be read.</extracomment>
        <translation>Die Einstellungsdatei &quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not write the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written.</extracomment>
        <translation>Die Einstellungsdatei &quot;%1&quot; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Some lines of the settings file %1 could not be read; the settings that could be read were used.</source>
        <translation>Einige Zeilen der Einstellungsdatei %1 konnten nicht gelesen werden; die lesbaren Einstellungen wurden verwendet.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message numerus="yes">
        <source>Sorry, you have reached the (arbitrary) limit of %n types.  If this limit is a problem, please contact the author.</source>
        <translation>
            <numerusform>Leider ist die (willkürliche) Grenze von %n Kategorie erreicht.  Falls diese Grenze ein Problem ist, wenden Sie sich bitte an den Autor.</numerusform>
            <numerusform>Leider ist die (willkürliche) Grenze von %n Kategorien erreicht.  Falls diese Grenze ein Problem ist, wenden Sie sich bitte an den Autor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sorry, you have reached the (arbitrary) limit of %n stocks.  If this limit is a problem, please contact the author.</source>
        <translation>
            <numerusform>Leider ist die (willkürliche) Grenze von %n Aktie erreicht.  Falls diese Grenze ein Problem ist, wenden Sie sich bitte an den Autor.</numerusform>
            <numerusform>Leider ist die (willkürliche) Grenze von %n Aktien erreicht.  Falls diese Grenze ein Problem ist, wenden Sie sich bitte an den Autor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LinkableAddress</name>
    <message>
        <source>%1 does not start with http://, https://, ftp://, mailto: or file:, so the pages show the description without a link.</source>
        <extracomment>%1 is &quot;This address&quot; or a setting and the file it is in</extracomment>
        <translation>%1 beginnt nicht mit http://, https://, ftp://, mailto: oder file:, daher zeigen die Seiten die Beschreibung ohne Link.</translation>
    </message>
</context>
<context>
    <name>ListAddition</name>
    <message numerus="yes">
        <source>%n new type</source>
        <translation>
            <numerusform>%n neue Kategorie</numerusform>
            <numerusform>%n neue Kategorien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new types</source>
        <translation>
            <numerusform>%n neue Kategorie</numerusform>
            <numerusform>%n neue Kategorien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate</source>
        <translation>
            <numerusform>%n Duplikat</numerusform>
            <numerusform>%n Duplikate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates</source>
        <translation>
            <numerusform>%n Duplikat</numerusform>
            <numerusform>%n Duplikate</numerusform>
        </translation>
    </message>
    <message>
        <source>symbol</source>
        <extracomment>a field of a row, named in &quot;%1 longer than ...&quot; and &quot;shorten the %1 ...&quot;</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>exchange</source>
        <translation>Börse</translation>
    </message>
    <message>
        <source>type name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>symbol at %1</source>
        <extracomment>%1 is the name of a chart site</extracomment>
        <translation>Symbol bei %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 longer than %n characters</source>
        <extracomment>%1 is the field, such as &quot;description&quot;</extracomment>
        <translation>
            <numerusform>%1 länger als %n Zeichen</numerusform>
            <numerusform>%1 länger als %n Zeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>shorten the %1 to at most %n characters</source>
        <extracomment>what would make the row one to add; %1 is the field, such as &quot;description&quot;</extracomment>
        <translation>
            <numerusform>%1 auf höchstens %n Zeichen kürzen</numerusform>
            <numerusform>%1 auf höchstens %n Zeichen kürzen</numerusform>
        </translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation>kein Symbol</translation>
    </message>
    <message>
        <source>give it a symbol</source>
        <extracomment>what would make the row one to add</extracomment>
        <translation>ein Symbol angeben</translation>
    </message>
    <message>
        <source>unknown exchange &quot;%1&quot;</source>
        <translation>unbekannte Börse &quot;%1&quot;</translation>
    </message>
    <message>
        <source>write its exchange as a market identifier code (XLON) or a chart site&apos;s name for it (LSE)</source>
        <extracomment>what would make the row one to add</extracomment>
        <translation>die Börse als Market Identifier Code (XLON) oder mit dem Namen eines Chart-Anbieters für sie (LSE) angeben</translation>
    </message>
    <message numerus="yes">
        <source>%n added, %1, %2, %3 refused</source>
        <extracomment>%n stocks; %1 and %2 count the new types and the duplicates</extracomment>
        <translation>
            <numerusform>%n hinzugefügt, %1, %2, %3 abgelehnt</numerusform>
            <numerusform>%n hinzugefügt, %1, %2, %3 abgelehnt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to add, %1, %2, %3 refused</source>
        <translation>
            <numerusform>%n hinzuzufügen, %1, %2, %3 abgelehnt</numerusform>
            <numerusform>%n hinzuzufügen, %1, %2, %3 abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>add</source>
        <extracomment>what happens to the row: the stock is added</extracomment>
        <translation>hinzufügen</translation>
    </message>
    <message>
        <source>add, new type</source>
        <translation>hinzufügen, neue Kategorie</translation>
    </message>
    <message>
        <source>new type</source>
        <translation>neue Kategorie</translation>
    </message>
    <message>
        <source>duplicate, skipped</source>
        <translation>Duplikat, übersprungen</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>%1 is why, such as &quot;no symbol&quot;</extracomment>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>%1. To add this row, %2 in the list and bring it in again.</source>
        <extracomment>%1 is what happens to the row, %2 what would make it one to add</extracomment>
        <translation>%1. Um diese Zeile hinzuzufügen, in der Liste %2 und sie erneut einlesen.</translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more stock, not %1 (it holds at most %2).</source>
        <extracomment>%1 is how many the list names, %2 the most the list holds</extracomment>
        <translation>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Aktie, nicht %1 (sie fasst höchstens %2).</numerusform>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Aktien, nicht %1 (sie fasst höchstens %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more stocks, not %1 (it holds at most %2).</source>
        <translation>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Aktie, nicht %1 (sie fasst höchstens %2).</numerusform>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Aktien, nicht %1 (sie fasst höchstens %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more type, not %1 (it holds at most %2).</source>
        <extracomment>%1 is how many the list names, %2 the most the list holds</extracomment>
        <translation>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Kategorie, nicht %1 (sie fasst höchstens %2).</numerusform>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Kategorien, nicht %1 (sie fasst höchstens %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more types, not %1 (it holds at most %2).</source>
        <translation>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Kategorie, nicht %1 (sie fasst höchstens %2).</numerusform>
            <numerusform>Die Liste hat nur noch Platz für %n weitere Kategorien, nicht %1 (sie fasst höchstens %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is added.</source>
        <translation>Es wird nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>ListBatch</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is what happened to a row, %2 the row&apos;s symbol, type or description.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the list file, %2 the line number, %3 what happened to the row.</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the list file, %2 why none of its rows can be added.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>column %1, %2 again, not read</source>
        <extracomment>%1 is the column&apos;s number, %2 the name its header gives it, such as Symbol</extracomment>
        <translation>Spalte %1, noch einmal %2, nicht gelesen</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is a named pipe, not a file</source>
        <translation>ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>is a socket, not a file</source>
        <translation>ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>follows the file&apos;s name; %1 is the system&apos;s reason</extracomment>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is larger than 64 MiB, so it is not a list of stocks</source>
        <translation>ist größer als 64 MiB und daher keine Aktienliste</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <extracomment>%1 is the list&apos;s source, %2 a line number, %3 what is wrong there</extracomment>
        <translation>%1, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>%1 is the list&apos;s source, %2 what is wrong with it, such as &quot;holds no stock symbols&quot;</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ListFileCommands</name>
    <message>
        <source>Lists (*.csv *.txt);;All files (*)</source>
        <translation>Listen (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The pasted text</source>
        <translation>Der eingefügte Text</translation>
    </message>
    <message>
        <source>Pasted</source>
        <extracomment>The name proposed for a new type (category of stocks) of pasted rows.</extracomment>
        <translation>Eingefügt</translation>
    </message>
    <message>
        <source>The dropped text</source>
        <translation>Der abgelegte Text</translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>The name proposed for a new type (category of stocks) of dropped rows.</extracomment>
        <translation>Abgelegt</translation>
    </message>
</context>
<context>
    <name>ListPreview</name>
    <message>
        <source>Add stocks from a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type for rows that name none</source>
        <extracomment>the type (category) rows without one are added to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the button that adds the rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the rows marked add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <extracomment>%1 is the name of the type the rows will make</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPreviewTable</name>
    <message>
        <source>Line</source>
        <extracomment>the column of the rows&apos; line numbers in the list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>the column of the type (category) each row goes to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message numerus="yes">
        <source>more than %n rows</source>
        <extracomment>why a list is not read, after the line it stops at</extracomment>
        <translation>
            <numerusform>mehr als %n Zeile</numerusform>
            <numerusform>mehr als %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>holds the control character U+%1, so it is not a list</source>
        <extracomment>follows the list&apos;s source, such as the file&apos;s name; %1 is a hexadecimal code</extracomment>
        <translation>enthält das Steuerzeichen U+%1 und ist daher keine Liste</translation>
    </message>
    <message>
        <source>the header names no symbol column (Symbol, Ticker or Code)</source>
        <extracomment>Symbol, Ticker and Code are the headers a list may name its symbol column by</extracomment>
        <translation>die Kopfzeile nennt keine Symbolspalte (Symbol, Ticker oder Code)</translation>
    </message>
    <message>
        <source>holds no stock symbols</source>
        <extracomment>follows the list&apos;s source, such as the file&apos;s name</extracomment>
        <translation>enthält keine Aktiensymbole</translation>
    </message>
</context>
<context>
    <name>ListSnapshot</name>
    <message>
        <source>The list changed while this dialog was open; nothing was changed.</source>
        <translation>Die Liste wurde geändert, während dieser Dialog offen war; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move stock or category up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move stock or category down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit highlighted stock or category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;type</source>
        <extracomment>Button: moves the highlighted stock to another type (category of stocks).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change category of highlighted stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a stock just below the currently highlighted item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add type</source>
        <extracomment>Button: adds a type (a category of stocks).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new category at the end of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the highlighted item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate web pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate web pages using current settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start default &amp;web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the system-default web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add stocks from list…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save list as CS&amp;V…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate
web pages</source>
        <extracomment>&quot;&amp;Generate web pages&quot; broken over two lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start default
&amp;web browser</source>
        <extracomment>&quot;Start default &amp;web browser&quot; broken over two lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>Could not open %1: the desktop has no program for this kind of file, or the program failed to start.</source>
        <translation>%1 konnte nicht geöffnet werden: Die Arbeitsumgebung hat kein Programm für diese Art von Datei, oder das Programm ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Could not open %1: the desktop has no web browser, or it failed to start.</source>
        <translation>%1 konnte nicht geöffnet werden: Die Arbeitsumgebung hat keinen Webbrowser, oder er ließ sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>Warning: you have entered changes but have not regenerated web pages.  Do you want to regenerate first?</source>
        <translation>Warnung: Sie haben Änderungen vorgenommen, aber die Webseiten nicht neu erzeugt.  Möchten Sie sie zuerst neu erzeugen?</translation>
    </message>
    <message>
        <source>Initial web page not found.  Please generate web pages and retry.</source>
        <translation>Startseite nicht gefunden.  Bitte erzeugen Sie die Webseiten und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <source>Add a chart site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presets are the sites&apos; public address forms as they were documented; Tickvane cannot check them without going on the network. Try a site once it is added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistryScript</name>
    <message>
        <source>line %1 is not a complete value</source>
        <translation>Zeile %1 ist kein vollständiger Wert</translation>
    </message>
    <message>
        <source>holds no Tickvane settings</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation>enthält keine Einstellungen von Tickvane</translation>
    </message>
    <message>
        <source>not a registry script</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation>kein Registrierungsskript</translation>
    </message>
    <message>
        <source>The line breaks in %1 of section %2 were written as blanks.</source>
        <extracomment>%1 is a key of the settings, %2 its section.</extracomment>
        <translation>Die Zeilenumbrüche in %1 des Abschnitts %2 wurden als Leerzeichen geschrieben.</translation>
    </message>
</context>
<context>
    <name>ScriptImport</name>
    <message>
        <source>line %1: the value of %2 is not a text</source>
        <extracomment>%1 is a line of the registry script, %2 a key of the settings.</extracomment>
        <translation>Zeile %1: der Wert von %2 ist kein Text</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation>%1 &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation>%1 %2 übersteigt die Kapazität</translation>
    </message>
    <message>
        <source>Maxtypes %1 and Maxstocks %2 name %3, which is missing</source>
        <extracomment>Maxtypes and Maxstocks are keys of the settings; %3 is a key of a stock or type.</extracomment>
        <translation>Maxtypes %1 und Maxstocks %2 nennen %3, das fehlt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a key of the settings, %2 what is wrong with its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SessionRecovery</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2. The changes that are not saved are kept only in this window.</source>
        <extracomment>%1 is the recovery file, %2 the reason the write failed.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2. Die nicht gespeicherten Änderungen gibt es nur in diesem Fenster.</translation>
    </message>
    <message>
        <source>Tickvane was not closed properly. Restore the changes that were not saved?</source>
        <translation>Tickvane wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen wiederherstellen?</translation>
    </message>
    <message>
        <source>The settings file %1 was changed since those changes were made; restoring them replaces its changes when you save.</source>
        <translation>Die Einstellungsdatei %1 wurde nach diesen Änderungen geändert; werden sie wiederhergestellt, ersetzen sie beim Speichern die Änderungen der Datei.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>Tickvane is already open with %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tickvane ist bereits mit %1 geöffnet.</translation>
    </message>
</context>
<context>
    <name>SiteTable</name>
    <message>
        <source>&amp;BigCharts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Big Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;ig Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol at &amp;Big Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock&amp;Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StockM&amp;aster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock&amp;Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StockP&amp;oint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yahoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya&amp;hoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol at &amp;Yahoo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockEditor</name>
    <message>
        <source>New or updated stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock belongs to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company web site or other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market the stock trades on, such as XLON: chart sites with a symbol form for it make their symbol for the stock from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill these in if different sites use different symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must define at least one type before adding stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use change type button on main screen to change type of an existing stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter both a default symbol and a description.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Maxtypes %1 outside the capacity</source>
        <extracomment>Maxtypes is the name of a setting in the stored file; keep it</extracomment>
        <translation>Maxtypes %1 außerhalb der Kapazität</translation>
    </message>
    <message>
        <source>Maxstocks %1 outside the capacity</source>
        <extracomment>Maxstocks is the name of a setting in the stored file; keep it</extracomment>
        <translation>Maxstocks %1 außerhalb der Kapazität</translation>
    </message>
    <message>
        <source>type %1 range %2..%3 does not start at %4</source>
        <translation>Kategorie %1, Bereich %2..%3, beginnt nicht bei %4</translation>
    </message>
    <message>
        <source>types end at stock %1 but Maxstocks is %2</source>
        <extracomment>Maxstocks is the name of a setting in the stored file; keep it</extracomment>
        <translation>die Kategorien enden bei Aktie %1, aber Maxstocks ist %2</translation>
    </message>
</context>
<context>
    <name>StockMaster</name>
    <message>
        <source>1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YTD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detailed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TSE 300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMA-200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMA-200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MA envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bollinger bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume by price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MACD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OBV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast stochastic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow stochastic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candles+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plot type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quote detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rice display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hart size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menu type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison and technical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare to &amp;index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving average &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving average &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper chart indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower chart indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ymbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show as d&amp;ecimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sh&amp;ow splits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show hi/lo&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StockMaster options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockPoint</name>
    <message>
        <source>Small (450x250)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium (500x300)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large (600x400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger (640x480)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huge (800x600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dow Jones Industrials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NYSE Composite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DJ Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSE Tech Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plot Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moving averages (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bollinger bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Relative strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoc&amp;hastics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;On balance volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price rate of chan&amp;ge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving &amp;average conv/div</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StockPoint Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times for moving averages must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 64 MiB, so it is not one of Tickvane and the defaults are used.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist größer als 64 MiB und daher keine von Tickvane; es werden die Standardeinstellungen verwendet.</translation>
    </message>
    <message>
        <source>Nothing in the settings file &quot;%1&quot; could be read as settings of Tickvane, so the defaults are used.</source>
        <translation>Nichts in der Einstellungsdatei &quot;%1&quot; ließ sich als Einstellungen von Tickvane lesen; es werden die Standardeinstellungen verwendet.</translation>
    </message>
    <message>
        <source>The file will be moved to &quot;%2&quot; when the settings are saved.</source>
        <extracomment>Follows the sentence that says why the settings file &quot;%1&quot; is not used; %2 is the name it is moved to.</extracomment>
        <translation>Die Datei wird beim Speichern der Einstellungen nach &quot;%2&quot; verschoben.</translation>
    </message>
    <message>
        <source>Could not move the unusable settings file &quot;%1&quot; to &quot;%2&quot;: %3.</source>
        <translation>Die unbrauchbare Einstellungsdatei &quot;%1&quot; konnte nicht nach &quot;%2&quot; verschoben werden: %3.</translation>
    </message>
    <message>
        <source>The unusable settings file was moved to &quot;%1&quot;.</source>
        <translation>Die unbrauchbare Einstellungsdatei wurde nach &quot;%1&quot; verschoben.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it is the settings file itself.</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: Es ist die Einstellungsdatei selbst.</translation>
    </message>
    <message>
        <source>The text of %1 in %2 was not valid UTF-8, so some of its characters were lost.</source>
        <extracomment>%1 is a key of the settings file %2.</extracomment>
        <translation>Der Text von %1 in %2 war kein gültiges UTF-8, daher gingen einige seiner Zeichen verloren.</translation>
    </message>
</context>
<context>
    <name>StorageScript</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB, so it is not a settings script of Tickvane.</source>
        <translation>%1 ist größer als 64 MiB und daher kein Einstellungsskript von Tickvane.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a settings script of Tickvane: %2.</source>
        <extracomment>%1 is the file, %2 why it is not a settings script.</extracomment>
        <translation>%1 ist kein Einstellungsskript von Tickvane: %2.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was not imported.</extracomment>
        <translation>%1 wurde nicht importiert: %2.</translation>
    </message>
    <message>
        <source>%1 holds no settings of Tickvane.</source>
        <translation>%1 enthält keine Einstellungen von Tickvane.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <extracomment>%1 is the file, %2 why it was not imported (a whole sentence).</extracomment>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
</context>
<context>
    <name>StoredChartSites</name>
    <message>
        <source>The key is missing.</source>
        <translation>Der Schlüssel fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>&quot;%1&quot; ist keine Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>%1 names more chart sites than the %2 stored.</source>
        <extracomment>%1 is the count stored, %2 the number of chart sites found.</extracomment>
        <translation>%1 nennt mehr Chart-Anbieter als die %2 gespeicherten.</translation>
    </message>
    <message numerus="yes">
        <source>The %n chart sites stored are kept.</source>
        <translation>
            <numerusform>Der %n gespeicherte Chart-Anbieter bleibt erhalten.</numerusform>
            <numerusform>Die %n gespeicherten Chart-Anbieter bleiben erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its pages are now &quot;%1.html&quot;.</source>
        <translation>Seine Seiten heißen jetzt &quot;%1.html&quot;.</translation>
    </message>
    <message>
        <source>The site is kept, switched off.</source>
        <translation>Der Anbieter bleibt erhalten, aber deaktiviert.</translation>
    </message>
    <message>
        <source>The site has no symbol forms.</source>
        <translation>Der Anbieter hat keine Symbolformen.</translation>
    </message>
    <message>
        <source>section %1, %2: %3</source>
        <extracomment>%1 is a section of the settings file, %2 its key, %3 what is wrong with it.</extracomment>
        <translation>Abschnitt %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>StoredStockList</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 &quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 %2 übersteigt die Kapazität</translation>
    </message>
    <message>
        <source>%1 %2 is past the records stored</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 %2 liegt hinter den gespeicherten Einträgen</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings file.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>kept %1 types and %2 stocks</source>
        <extracomment>Follows what was wrong with the stored stock list.</extracomment>
        <translation>%1 Kategorien und %2 Aktien behalten</translation>
    </message>
    <message numerus="yes">
        <source>dropped %n stocks without a type</source>
        <translation>
            <numerusform>%n Aktie ohne Kategorie verworfen</numerusform>
            <numerusform>%n Aktien ohne Kategorie verworfen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SymbolFormEditor</name>
    <message>
        <source>Symbol form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol &amp;form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A market of the list, or any market identifier code of four letters or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a symbol form already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or LSE:{symbol}</source>
        <extracomment>%1 is an example of a symbol form</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SymbolForms</name>
    <message>
        <source>&quot;%1&quot; is not an exchange and a symbol form joined by &quot;=&quot;.</source>
        <translation>&quot;%1&quot; ist keine durch &quot;=&quot; verbundene Börse und Symbolform.</translation>
    </message>
    <message>
        <source>%1 has two symbol forms.</source>
        <extracomment>%1 is a market identifier code such as XLON</extracomment>
        <translation>%1 hat zwei Symbolformen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a market identifier code of four letters or digits</source>
        <translation>&quot;%1&quot; ist kein Market Identifier Code aus vier Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>The symbol form &quot;%1&quot; holds &quot;;&quot;, which no symbol form may hold.</source>
        <translation>Die Symbolform &quot;%1&quot; enthält &quot;;&quot;, das keine Symbolform enthalten darf.</translation>
    </message>
    <message>
        <source>symbol form</source>
        <extracomment>what is wrong is shown &quot;in the symbol form&quot;</extracomment>
        <translation>Symbolform</translation>
    </message>
</context>
<context>
    <name>SymbolFormsDialog</name>
    <message>
        <source>Symbol forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbol forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol forms of %1</source>
        <extracomment>%1 is the name of a chart site</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset to preset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TreeDrop</name>
    <message>
        <source>Drag and drop</source>
        <extracomment>The name of the step in the Edit menu, as in &quot;Undo Drag and drop&quot;.</extracomment>
        <translation>Ziehen und Ablegen</translation>
    </message>
</context>
<context>
    <name>TypeChangeDialog</name>
    <message>
        <source>Change type</source>
        <extracomment>also the dialog&apos;s title; Edit &gt; Undo names the move by it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock is moved to</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypeNameDialog</name>
    <message>
        <source>New or updated type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Delete&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Edit&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add stocks from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnlessWindowOpen</name>
    <message>
        <source>Tickvane is open with %1; close it first, or import from its File menu.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tickvane ist mit %1 geöffnet; schließen Sie es zuerst, oder importieren Sie über sein Menü Datei.</translation>
    </message>
</context>
<context>
    <name>UnlinkedAddresses</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is a key of the settings, %2 the file it is in.</extracomment>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Yahoo</name>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vs S&amp;P 500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel  changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
