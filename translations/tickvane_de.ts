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
        <translation>Tickvane Version %1
Seiten mit Chart-Links für Ihre Aktienliste.
Von den Tickvane-Entwicklern.
Erstellt mit Qt %2.

</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About Tickvane</source>
        <translation>Über Tickvane</translation>
    </message>
</context>
<context>
    <name>AddressQuestion</name>
    <message>
        <source>%1 Keep it?</source>
        <extracomment>%1 is the sentence saying why the pages will not link the address</extracomment>
        <translation>%1 Beibehalten?</translation>
    </message>
    <message>
        <source>This address</source>
        <translation>Diese Adresse</translation>
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
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>2 days</source>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>5 days</source>
        <translation>5 Tage</translation>
    </message>
    <message>
        <source>10 days</source>
        <translation>10 Tage</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1 Monat</translation>
    </message>
    <message>
        <source>2 months</source>
        <translation>2 Monate</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>Year to date</source>
        <translation>Seit Jahresbeginn</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 Jahre</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 Jahre</translation>
    </message>
    <message>
        <source>4 years</source>
        <translation>4 Jahre</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>10 Jahre</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>Alle Daten</translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation>Jede Minute</translation>
    </message>
    <message>
        <source>Every 5 minutes</source>
        <translation>Alle 5 Minuten</translation>
    </message>
    <message>
        <source>Every 15 minutes</source>
        <translation>Alle 15 Minuten</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation>Dow Industrials</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation>Russell 2000</translation>
    </message>
    <message>
        <source>AMEX Computer Technology Index</source>
        <translation>AMEX Computer Technology Index</translation>
    </message>
    <message>
        <source>AMEX Internet Index</source>
        <translation>AMEX Internet Index</translation>
    </message>
    <message>
        <source>AMEX Securities Brokers/Dealers</source>
        <translation>AMEX Securities Brokers/Dealers</translation>
    </message>
    <message>
        <source>AMEX Oil Index</source>
        <translation>AMEX Oil Index</translation>
    </message>
    <message>
        <source>PHLX Gold &amp; Silver Index</source>
        <translation>PHLX Gold &amp; Silver Index</translation>
    </message>
    <message>
        <source>Dow Jones Utilities Average</source>
        <translation>Dow Jones Utilities Average</translation>
    </message>
    <message>
        <source>Dow Jones Transportation Average</source>
        <translation>Dow Jones Transportation Average</translation>
    </message>
    <message>
        <source>AMEX Airline Index</source>
        <translation>AMEX Airline Index</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Hide price</source>
        <translation>Kurs ausblenden</translation>
    </message>
    <message>
        <source>HLC</source>
        <translation>HLC</translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation>OHLC</translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Bar charts</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schlusskurs</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Black grids</source>
        <translation>Schwarzes Gitter</translation>
    </message>
    <message>
        <source>Blue &amp; white</source>
        <translation>Blau &amp; weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation>Millimeterpapier</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>SMA</source>
        <translation>SMA</translation>
    </message>
    <message>
        <source>EMA</source>
        <translation>EMA</translation>
    </message>
    <message>
        <source>SMA (2-line)</source>
        <translation>SMA (2 Linien)</translation>
    </message>
    <message>
        <source>SMA (3-line)</source>
        <translation>SMA (3 Linien)</translation>
    </message>
    <message>
        <source>EMA (2-line)</source>
        <translation>EMA (2 Linien)</translation>
    </message>
    <message>
        <source>EMA (3-line)</source>
        <translation>EMA (3 Linien)</translation>
    </message>
    <message>
        <source>MA Envelopes</source>
        <translation>MA-Hüllkurven</translation>
    </message>
    <message>
        <source>Bollinger Bands</source>
        <translation>Bollinger-Bänder</translation>
    </message>
    <message>
        <source>Parabolic SAR</source>
        <translation>Parabolic SAR</translation>
    </message>
    <message>
        <source>Volume by Price</source>
        <translation>Volumen nach Kurs</translation>
    </message>
    <message>
        <source>Price Channel</source>
        <translation>Kurskanal</translation>
    </message>
    <message>
        <source>Show Splits</source>
        <translation>Splits zeigen</translation>
    </message>
    <message>
        <source>Show Earnings</source>
        <translation>Gewinne zeigen</translation>
    </message>
    <message>
        <source>Show Dividends</source>
        <translation>Dividenden zeigen</translation>
    </message>
    <message>
        <source>Show All Events</source>
        <translation>Alle Ereignisse zeigen</translation>
    </message>
    <message>
        <source>A/D Line</source>
        <translation>A/D-Linie</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation>Volumen+</translation>
    </message>
    <message>
        <source>Relative Strength Index (RSI)</source>
        <translation>Relative-Stärke-Index (RSI)</translation>
    </message>
    <message>
        <source>Moving Average Convergence/Divergence (MACD)</source>
        <translation>Moving Average Convergence/Divergence (MACD)</translation>
    </message>
    <message>
        <source>On Balance Volume (OBV)</source>
        <translation>On-Balance-Volumen (OBV)</translation>
    </message>
    <message>
        <source>Fast Stochastic</source>
        <translation>Schnelle Stochastik</translation>
    </message>
    <message>
        <source>Slow Stochasitc</source>
        <translation>Langsame Stochastik</translation>
    </message>
    <message>
        <source>Rate of Change (ROC)</source>
        <translation>Änderungsrate (ROC)</translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation>Williams %R</translation>
    </message>
    <message>
        <source>Money Flow</source>
        <translation>Geldfluss</translation>
    </message>
    <message>
        <source>Volume Accumulation</source>
        <translation>Volumenakkumulation</translation>
    </message>
    <message>
        <source>Volatility Fast</source>
        <translation>Volatilität schnell</translation>
    </message>
    <message>
        <source>Volatility Slow</source>
        <translation>Volatilität langsam</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Momentum</translation>
    </message>
    <message>
        <source>Ultimate Oscillator</source>
        <translation>Ultimate Oscillator</translation>
    </message>
    <message>
        <source>% Short Interest</source>
        <translation>% Leerverkaufsquote</translation>
    </message>
    <message>
        <source>Rolling EPS</source>
        <translation>Rollierender Gewinn je Aktie</translation>
    </message>
    <message>
        <source>P/E Ratio</source>
        <translation>KGV</translation>
    </message>
    <message>
        <source>P/E Ranges</source>
        <translation>KGV-Spannen</translation>
    </message>
    <message>
        <source>Rolling Dividend</source>
        <translation>Rollierende Dividende</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendite</translation>
    </message>
    <message>
        <source>Up/Down Ratio</source>
        <translation>Up/Down-Verhältnis</translation>
    </message>
    <message>
        <source>Arms Index (TRIN)</source>
        <translation>Arms-Index (TRIN)</translation>
    </message>
    <message>
        <source>A/D Line (Breadth)</source>
        <translation>A/D-Linie (Breite)</translation>
    </message>
    <message>
        <source>A/D Line (Daily)</source>
        <translation>A/D-Linie (täglich)</translation>
    </message>
    <message>
        <source>% Compare</source>
        <translation>% Vergleich</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Intervall</translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation>&amp;Vergleichsindex</translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation>Chart&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Price display</source>
        <translation>&amp;Kursanzeige</translation>
    </message>
    <message>
        <source>Chart &amp;background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Moving averages</source>
        <translation>Gleitende D&amp;urchschnitte</translation>
    </message>
    <message>
        <source>&amp;Upper indicator</source>
        <translation>&amp;Oberer Indikator</translation>
    </message>
    <message>
        <source>&amp;First lower indicator</source>
        <translation>&amp;Erster unterer Indikator</translation>
    </message>
    <message>
        <source>Second &amp;lower indicator</source>
        <translation>Z&amp;weiter unterer Indikator</translation>
    </message>
    <message>
        <source>T&amp;hird lower indicator</source>
        <translation>&amp;Dritter unterer Indikator</translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbol</source>
        <translation>Vergleichs&amp;symbol</translation>
    </message>
    <message>
        <source>BigCharts Options</source>
        <translation>Einstellungen für BigCharts</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
</context>
<context>
    <name>ChartSiteEditor</name>
    <message>
        <source>Chart site</source>
        <translation>Chart-Anbieter</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Address template</source>
        <translation>A&amp;dressvorlage</translation>
    </message>
    <message>
        <source>&amp;Symbols from</source>
        <translation>&amp;Symbole aus</translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation>Charts &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation>Akti&amp;viert</translation>
    </message>
    <message>
        <source>The name of the site in the pages, at most 40 characters</source>
        <translation>Der Name des Anbieters in den Seiten, höchstens 40 Zeichen</translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation>{symbol} dort einsetzen, wo das Symbol der Aktie hingehört, zum Beispiel</translation>
    </message>
    <message>
        <source>Which of a stock&apos;s symbols goes into the address</source>
        <translation>Welches Symbol der Aktie in die Adresse kommt</translation>
    </message>
    <message>
        <source>Many chart sites refuse to be shown inside another page&apos;s frame</source>
        <translation>Viele Chart-Anbieter lassen sich nicht im Rahmen einer anderen Seite anzeigen</translation>
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
        <translation>Chart-Anbieter</translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation>&amp;Chart-Anbieter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Charts open</source>
        <translation>Charts zeigen</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Also write a one-&amp;page chart browser (index.html)</source>
        <translation>Auch einen Chart-Browser auf einer &amp;Seite schreiben (index.html)</translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation>Charts &amp;zeigen</translation>
    </message>
    <message>
        <source>E&amp;nabled</source>
        <translation>Akti&amp;viert</translation>
    </message>
    <message>
        <source>There can be at most %1 chart sites besides the four built-in ones.</source>
        <translation>Neben den vier eingebauten Anbietern sind höchstens %1 Chart-Anbieter möglich.</translation>
    </message>
    <message>
        <source>Remove the chart site &quot;%1&quot;?</source>
        <translation>Chart-Anbieter „%1“ entfernen?</translation>
    </message>
    <message>
        <source>There is no stock to try the chart site with.</source>
        <translation>Es gibt keine Aktie, mit der sich der Chart-Anbieter testen ließe.</translation>
    </message>
    <message>
        <source>Symbol &amp;forms…</source>
        <translation>S&amp;ymbolformen…</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Beispiel</translation>
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
        <translation>Eigene URLs</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>First custom URL</source>
        <translation>Erste eigene URL</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>D&amp;isable</source>
        <translation>&amp;Deaktivieren</translation>
    </message>
    <message>
        <source>&amp;Open in frame</source>
        <translation>Im &amp;Rahmen öffnen</translation>
    </message>
    <message>
        <source>Open &amp;new window</source>
        <translation>In &amp;neuem Fenster öffnen</translation>
    </message>
    <message>
        <source>Second custom URL</source>
        <translation>Zweite eigene URL</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>B&amp;eschreibung</translation>
    </message>
    <message>
        <source>U&amp;RL</source>
        <translation>UR&amp;L</translation>
    </message>
    <message>
        <source>Di&amp;sable</source>
        <translation>Deak&amp;tivieren</translation>
    </message>
    <message>
        <source>Open in fr&amp;ame</source>
        <translation>Im Ra&amp;hmen öffnen</translation>
    </message>
    <message>
        <source>Open new &amp;window</source>
        <translation>In neuem Fen&amp;ster öffnen</translation>
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
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the name of the step, as in &quot;Redo Move up&quot;.</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Paste stocks</source>
        <translation>Aktien &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Sort type by symbol</source>
        <translation>Kategorie nach S&amp;ymbol sortieren</translation>
    </message>
    <message>
        <source>Sort type by symbol</source>
        <translation>Kategorie nach Symbol sortieren</translation>
    </message>
    <message>
        <source>Sort type by &amp;description</source>
        <translation>Kategorie nach &amp;Beschreibung sortieren</translation>
    </message>
    <message>
        <source>Sort type by description</source>
        <translation>Kategorie nach Beschreibung sortieren</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
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
        <translation>Symbol oder Beschreibung</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Enter or F3: next match, Shift+F3: previous, Escape: close</source>
        <translation>Eingabe oder F3: nächster Treffer, Umschalt+F3: vorheriger, Esc: schließen</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Kein Treffer</translation>
    </message>
</context>
<context>
    <name>FixedDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Änderungen übernehmen</translation>
    </message>
</context>
<context>
    <name>GeneralOptionsDialog</name>
    <message>
        <source>General options</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Web sites enabled</source>
        <translation>Aktivierte Chart-Anbieter</translation>
    </message>
    <message>
        <source>Initial page points to</source>
        <translation>Startseite zeigt auf</translation>
    </message>
    <message>
        <source>Own site of the initial page</source>
        <translation>Eigener Anbieter der Startseite</translation>
    </message>
    <message>
        <source>Path for HTML &amp;files</source>
        <translation>Pfad für HTML-&amp;Dateien</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>Navigation frame colors</source>
        <translation>Farben des Navigationsrahmens</translation>
    </message>
    <message>
        <source>Use bro&amp;wser default</source>
        <translation>Standardfarben des Bro&amp;wsers</translation>
    </message>
    <message>
        <source>Set &amp;text color</source>
        <translation>&amp;Textfarbe festlegen</translation>
    </message>
    <message>
        <source>Set back&amp;ground color</source>
        <translation>Hinter&amp;grundfarbe festlegen</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Navigation frame width = %1%</source>
        <extracomment>%1 is the width in percent of the page</extracomment>
        <translation>Breite des Navigationsrahmens = %1%</translation>
    </message>
    <message>
        <source>HTML files (*.htm *.html);;All files (*)</source>
        <translation>HTML-Dateien (*.htm *.html);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Use &amp;uppercase for new stock symbols</source>
        <translation>&amp;Neue Aktiensymbole großschreiben</translation>
    </message>
    <message>
        <source>No &amp;line wraps in navigation frame</source>
        <translation>Keine &amp;Zeilenumbrüche im Navigationsrahmen</translation>
    </message>
    <message>
        <source>&amp;Save main form position and size</source>
        <translation>Position und Größe des Hauptfensters &amp;speichern</translation>
    </message>
    <message>
        <source>Ow&amp;n site</source>
        <translation>&amp;Eigener Anbieter</translation>
    </message>
</context>
<context>
    <name>GeneratePages</name>
    <message>
        <source>Pages generated.</source>
        <translation>Webseiten erzeugt.</translation>
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
    <message>
        <source>Added</source>
        <extracomment>The name of the type (category of stocks) that rows read from standard input go to.</extracomment>
        <translation>Hinzugefügt</translation>
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
        <translation>Aktien aus einer Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Type for rows that name none</source>
        <extracomment>the type (category) rows without one are added to</extracomment>
        <translation>&amp;Kategorie für Zeilen ohne Kategorie</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the button that adds the rows</extracomment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the rows marked add</source>
        <translation>Die zum Hinzufügen markierten Zeilen hinzufügen</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <extracomment>%1 is the name of the type the rows will make</extracomment>
        <translation>%1 (neu)</translation>
    </message>
</context>
<context>
    <name>ListPreviewTable</name>
    <message>
        <source>Line</source>
        <extracomment>the column of the rows&apos; line numbers in the list</extracomment>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>the column of the type (category) each row goes to</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>the column of the market each row&apos;s stock trades on</extracomment>
        <translation>Börse</translation>
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
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move stock or category up</source>
        <translation>Aktie oder Kategorie nach oben verschieben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move stock or category down</source>
        <translation>Aktie oder Kategorie nach unten verschieben</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Edit highlighted stock or category</source>
        <translation>Markierte Aktie oder Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Change &amp;type</source>
        <extracomment>Button: moves the highlighted stock to another type (category of stocks).</extracomment>
        <translation>&amp;Kategorie ändern</translation>
    </message>
    <message>
        <source>Change category of highlighted stock</source>
        <translation>Kategorie der markierten Aktie ändern</translation>
    </message>
    <message>
        <source>Add &amp;stock</source>
        <translation>Neue &amp;Aktie</translation>
    </message>
    <message>
        <source>Add a stock just below the currently highlighted item</source>
        <translation>Eine Aktie direkt unter dem markierten Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add type</source>
        <extracomment>Button: adds a type (a category of stocks).</extracomment>
        <translation>Neue Kate&amp;gorie</translation>
    </message>
    <message>
        <source>Add a new category at the end of the list</source>
        <translation>Eine neue Kategorie am Ende der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the highlighted item</source>
        <translation>Den markierten Eintrag löschen</translation>
    </message>
    <message>
        <source>&amp;Generate web pages</source>
        <translation>Webseiten er&amp;zeugen</translation>
    </message>
    <message>
        <source>Generate web pages using current settings</source>
        <translation>Webseiten mit den aktuellen Einstellungen erzeugen</translation>
    </message>
    <message>
        <source>Start default &amp;web browser</source>
        <translation>Standard-&amp;Webbrowser starten</translation>
    </message>
    <message>
        <source>Start the system-default web browser</source>
        <translation>Den Standard-Webbrowser des Systems starten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Clear settings</source>
        <translation>Einstellungen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Export settings</source>
        <translation>Einstellungen &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Import settings</source>
        <translation>Einstellungen &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Add stocks from list…</source>
        <translation>&amp;Aktien aus einer Liste hinzufügen…</translation>
    </message>
    <message>
        <source>Save list as CS&amp;V…</source>
        <translation>Liste als CS&amp;V speichern…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;View documentation</source>
        <translation>&amp;Dokumentation anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tickvane</translation>
    </message>
    <message>
        <source>&amp;Generate
web pages</source>
        <extracomment>&quot;&amp;Generate web pages&quot; broken over two lines.</extracomment>
        <translation>Webseiten
er&amp;zeugen</translation>
    </message>
    <message>
        <source>Start default
&amp;web browser</source>
        <extracomment>&quot;Start default &amp;web browser&quot; broken over two lines.</extracomment>
        <translation>&amp;Webbrowser
starten</translation>
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
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;Custom URLs</source>
        <translation>&amp;Eigene URLs</translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation>&amp;Chart-Anbieter</translation>
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
    <name>PageFiles</name>
    <message>
        <source>No folder has been chosen for the pages.</source>
        <translation>Für die Webseiten wurde kein Ordner gewählt.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner &quot;%1&quot; konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <source>Add a chart site</source>
        <translation>Chart-Anbieter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Start from</source>
        <translation>&amp;Beginnen mit</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Address template</source>
        <translation>Adressvorlage</translation>
    </message>
    <message>
        <source>Blank site</source>
        <translation>Leerer Anbieter</translation>
    </message>
    <message>
        <source>The presets are the sites&apos; public address forms as they were documented; Tickvane cannot check them without going on the network. Try a site once it is added.</source>
        <translation>Die Vorgaben sind die öffentlichen Adressformen der Anbieter, wie sie dokumentiert waren; Tickvane kann sie nicht prüfen, ohne ins Netz zu gehen. Einen Anbieter nach dem Hinzufügen am besten einmal testen.</translation>
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
        <translation>&amp;BigCharts</translation>
    </message>
    <message>
        <source>&amp;Big Charts</source>
        <translation>&amp;Big Charts</translation>
    </message>
    <message>
        <source>B&amp;ig Charts</source>
        <translation>B&amp;ig Charts</translation>
    </message>
    <message>
        <source>Symbol at &amp;Big Charts</source>
        <translation>Symbol bei &amp;Big Charts</translation>
    </message>
    <message>
        <source>Stock&amp;Master</source>
        <translation>Stock&amp;Master</translation>
    </message>
    <message>
        <source>StockM&amp;aster</source>
        <translation>Stoc&amp;kMaster</translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Master</source>
        <translation>Symbol bei Stock&amp;Master</translation>
    </message>
    <message>
        <source>Stock&amp;Point</source>
        <translation>Stock&amp;Point</translation>
    </message>
    <message>
        <source>StockP&amp;oint</source>
        <translation>StockP&amp;oint</translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Point</source>
        <translation>Symbol bei Stock&amp;Point</translation>
    </message>
    <message>
        <source>&amp;Yahoo</source>
        <translation>&amp;Yahoo</translation>
    </message>
    <message>
        <source>Ya&amp;hoo</source>
        <translation>Ya&amp;hoo</translation>
    </message>
    <message>
        <source>Symbol at &amp;Yahoo</source>
        <translation>Symbol bei &amp;Yahoo</translation>
    </message>
</context>
<context>
    <name>StockEditor</name>
    <message>
        <source>New or updated stock</source>
        <translation>Neue oder geänderte Aktie</translation>
    </message>
    <message>
        <source>Default &amp;symbol</source>
        <translation>Standard&amp;symbol</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock belongs to</extracomment>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>&amp;Name or description</source>
        <translation>&amp;Name oder Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <translation>Bö&amp;rse</translation>
    </message>
    <message>
        <source>Company web site or other URL</source>
        <translation>Website des Unternehmens oder andere URL</translation>
    </message>
    <message>
        <source>The market the stock trades on, such as XLON: chart sites with a symbol form for it make their symbol for the stock from it</source>
        <translation>Die Börse, an der die Aktie gehandelt wird, etwa XLON: Chart-Anbieter mit einer Symbolform dafür bilden daraus ihr Symbol für die Aktie</translation>
    </message>
    <message>
        <source>Fill these in if different sites use different symbols</source>
        <translation>Nur ausfüllen, wenn Anbieter andere Symbole nutzen</translation>
    </message>
    <message>
        <source>You must define at least one type before adding stocks</source>
        <translation>Vor dem Hinzufügen von Aktien muss mindestens eine Kategorie angelegt sein</translation>
    </message>
    <message>
        <source>Use change type button on main screen to change type of an existing stock</source>
        <translation>Die Kategorie einer vorhandenen Aktie lässt sich mit der Schaltfläche „Kategorie ändern“ im Hauptfenster ändern</translation>
    </message>
    <message>
        <source>You must enter both a default symbol and a description.</source>
        <translation>Standardsymbol und Beschreibung müssen beide angegeben werden.</translation>
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
        <translation>1 Monat</translation>
    </message>
    <message>
        <source>2 months</source>
        <translation>2 Monate</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>YTD</source>
        <translation>Seit Jahresbeginn</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 Jahre</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 Jahre</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>10 years</source>
        <translation>10 Jahre</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>% change</source>
        <translation>% Änderung</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Log+</source>
        <translation>Log+</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Detailed</source>
        <translation>Ausführlich</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation>Dow Industrials</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>TSE 300</source>
        <translation>TSE 300</translation>
    </message>
    <message>
        <source>EMA-5</source>
        <translation>EMA-5</translation>
    </message>
    <message>
        <source>EMA-12</source>
        <translation>EMA-12</translation>
    </message>
    <message>
        <source>EMA-13</source>
        <translation>EMA-13</translation>
    </message>
    <message>
        <source>EMA-20</source>
        <translation>EMA-20</translation>
    </message>
    <message>
        <source>EMA-26</source>
        <translation>EMA-26</translation>
    </message>
    <message>
        <source>EMA-50</source>
        <translation>EMA-50</translation>
    </message>
    <message>
        <source>EMA-200</source>
        <translation>EMA-200</translation>
    </message>
    <message>
        <source>SMA-5</source>
        <translation>SMA-5</translation>
    </message>
    <message>
        <source>SMA-12</source>
        <translation>SMA-12</translation>
    </message>
    <message>
        <source>SMA-13</source>
        <translation>SMA-13</translation>
    </message>
    <message>
        <source>SMA-20</source>
        <translation>SMA-20</translation>
    </message>
    <message>
        <source>SMA-26</source>
        <translation>SMA-26</translation>
    </message>
    <message>
        <source>SMA-50</source>
        <translation>SMA-50</translation>
    </message>
    <message>
        <source>SMA-200</source>
        <translation>SMA-200</translation>
    </message>
    <message>
        <source>MA envelopes</source>
        <translation>MA-Hüllkurven</translation>
    </message>
    <message>
        <source>Bollinger bands</source>
        <translation>Bollinger-Bänder</translation>
    </message>
    <message>
        <source>Volume by price</source>
        <translation>Volumen nach Kurs</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation>Volumen+</translation>
    </message>
    <message>
        <source>MACD</source>
        <translation>MACD</translation>
    </message>
    <message>
        <source>OBV</source>
        <translation>OBV</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Momentum</translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation>Williams %R</translation>
    </message>
    <message>
        <source>RSI</source>
        <translation>RSI</translation>
    </message>
    <message>
        <source>Fast stochastic</source>
        <translation>Schnelle Stochastik</translation>
    </message>
    <message>
        <source>Slow stochastic</source>
        <translation>Langsame Stochastik</translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation>OHLC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schlusskurs</translation>
    </message>
    <message>
        <source>HLC</source>
        <translation>HLC</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Candles+</source>
        <translation>Kerzen+</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Riesig</translation>
    </message>
    <message>
        <source>2 column</source>
        <translation>2 Spalten</translation>
    </message>
    <message>
        <source>3 column</source>
        <translation>3 Spalten</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Gestapelt</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>Technisch</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>&amp;Time frame</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Plot type</source>
        <translation>Chart&amp;typ</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>&amp;Skala</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>&amp;Quote detail</source>
        <translation>Kurs&amp;details</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>P&amp;rice display</source>
        <translation>&amp;Kursanzeige</translation>
    </message>
    <message>
        <source>C&amp;hart size</source>
        <translation>Chart&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Menu type</source>
        <translation>&amp;Menütyp</translation>
    </message>
    <message>
        <source>Comparison and technical</source>
        <translation>Vergleich und Technik</translation>
    </message>
    <message>
        <source>Compare to &amp;index</source>
        <translation>Vergleich mit &amp;Index</translation>
    </message>
    <message>
        <source>Moving average &amp;1</source>
        <translation>Gleitender Durchschnitt &amp;1</translation>
    </message>
    <message>
        <source>Moving average &amp;2</source>
        <translation>Gleitender Durchschnitt &amp;2</translation>
    </message>
    <message>
        <source>&amp;Upper chart indicator</source>
        <translation>&amp;Oberer Chart-Indikator</translation>
    </message>
    <message>
        <source>&amp;Lower chart indicator</source>
        <translation>&amp;Unterer Chart-Indikator</translation>
    </message>
    <message>
        <source>S&amp;ymbols</source>
        <translation>S&amp;ymbole</translation>
    </message>
    <message>
        <source>Show as d&amp;ecimals</source>
        <translation>Als D&amp;ezimalzahlen zeigen</translation>
    </message>
    <message>
        <source>Sh&amp;ow splits</source>
        <translation>S&amp;plits zeigen</translation>
    </message>
    <message>
        <source>Show hi/lo&amp;w</source>
        <translation>&amp;Hoch/Tief zeigen</translation>
    </message>
    <message>
        <source>StockMaster options</source>
        <translation>Einstellungen für StockMaster</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
</context>
<context>
    <name>StockPoint</name>
    <message>
        <source>Small (450x250)</source>
        <translation>Klein (450x250)</translation>
    </message>
    <message>
        <source>Medium (500x300)</source>
        <translation>Mittel (500x300)</translation>
    </message>
    <message>
        <source>Large (600x400)</source>
        <translation>Groß (600x400)</translation>
    </message>
    <message>
        <source>Larger (640x480)</source>
        <translation>Größer (640x480)</translation>
    </message>
    <message>
        <source>Huge (800x600)</source>
        <translation>Riesig (800x600)</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1 Monat</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 Monate</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 Jahre</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Range bar</source>
        <translation>Spannenbalken</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Dow Jones Industrials</source>
        <translation>Dow Jones Industrials</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation>Russell 2000</translation>
    </message>
    <message>
        <source>NYSE Composite</source>
        <translation>NYSE Composite</translation>
    </message>
    <message>
        <source>DJ Transportation</source>
        <translation>DJ Transportation</translation>
    </message>
    <message>
        <source>PSE Tech Index</source>
        <translation>PSE Tech Index</translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation>Chart&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Plot Type</source>
        <translation>Chart&amp;typ</translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation>Vergleichs&amp;index</translation>
    </message>
    <message>
        <source>Indicators</source>
        <translation>Indikatoren</translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbols</source>
        <translation>Vergleichs&amp;symbole</translation>
    </message>
    <message>
        <source>&amp;Moving averages (days)</source>
        <translation>Gleitende &amp;Durchschnitte (Tage)</translation>
    </message>
    <message>
        <source>&amp;Bollinger bands</source>
        <translation>&amp;Bollinger-Bänder</translation>
    </message>
    <message>
        <source>&amp;Relative strength</source>
        <translation>&amp;Relative Stärke</translation>
    </message>
    <message>
        <source>Stoc&amp;hastics</source>
        <translation>Stoc&amp;hastik</translation>
    </message>
    <message>
        <source>&amp;On balance volume</source>
        <translation>&amp;On-Balance-Volumen</translation>
    </message>
    <message>
        <source>Price rate of chan&amp;ge</source>
        <translation>&amp;Preisänderungsrate</translation>
    </message>
    <message>
        <source>Moving &amp;average conv/div</source>
        <translation>&amp;Konv./Div. gleitender Durchschnitte</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>StockPoint Options</source>
        <translation>Einstellungen für StockPoint</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Times for moving averages must be numeric</source>
        <translation>Die Zeiträume der gleitenden Durchschnitte müssen Zahlen sein</translation>
    </message>
</context>
<context>
    <name>StockTree</name>
    <message>
        <source>Stocks</source>
        <translation>Aktien</translation>
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
        <translation>Symbolform</translation>
    </message>
    <message>
        <source>&amp;Exchange</source>
        <translation>&amp;Börse</translation>
    </message>
    <message>
        <source>Symbol &amp;form</source>
        <translation>&amp;Symbolform</translation>
    </message>
    <message>
        <source>A market of the list, or any market identifier code of four letters or digits</source>
        <translation>Eine Börse aus der Liste oder ein beliebiger Börsencode aus vier Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation>{symbol} dort einsetzen, wo das Symbol der Aktie hingehört, zum Beispiel</translation>
    </message>
    <message>
        <source>%1 has a symbol form already.</source>
        <translation>%1 hat bereits eine Symbolform.</translation>
    </message>
    <message>
        <source>%1 or LSE:{symbol}</source>
        <extracomment>%1 is an example of a symbol form</extracomment>
        <translation>%1 oder LSE:{symbol}</translation>
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
        <translation>Symbolformen</translation>
    </message>
    <message>
        <source>&amp;Symbol forms</source>
        <translation>&amp;Symbolformen</translation>
    </message>
    <message>
        <source>&amp;Preset</source>
        <translation>&amp;Vorgabe</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Börse</translation>
    </message>
    <message>
        <source>Symbol form</source>
        <translation>Symbolform</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Symbol forms of %1</source>
        <extracomment>%1 is the name of a chart site</extracomment>
        <translation>Symbolformen von %1</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>C&amp;hange…</source>
        <translation>Ä&amp;ndern…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>R&amp;eset to preset</source>
        <translation>Auf Vorgabe &amp;zurücksetzen</translation>
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
        <translation>Kategorie ändern</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock is moved to</extracomment>
        <translation>&amp;Kategorie</translation>
    </message>
</context>
<context>
    <name>TypeNameDialog</name>
    <message>
        <source>New or updated type</source>
        <translation>Neue oder geänderte Kategorie</translation>
    </message>
    <message>
        <source>&amp;Header text</source>
        <translation>Über&amp;schrift</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add stock</source>
        <translation>Aktie hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Delete&quot;.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Edit&quot;.</extracomment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Add type</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Add stocks from list</source>
        <translation>Aktien aus Liste hinzufügen</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Einstellungen importieren</translation>
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
        <translation>Einfach</translation>
    </message>
    <message>
        <source>vs S&amp;P 500</source>
        <translation>gegen S&amp;P 500</translation>
    </message>
    <message>
        <source>Moving Average</source>
        <translation>Gleitender Durchschnitt</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>5 days</source>
        <translation>5 Tage</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 Monate</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 Jahre</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 Jahre</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Zeitraum</translation>
    </message>
    <message>
        <source>&amp;View Type</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>Yahoo Options</source>
        <translation>Einstellungen für Yahoo</translation>
    </message>
    <message>
        <source>Cancel  changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
</context>
</TS>
