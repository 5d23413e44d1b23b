<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AttritoMassPart</name>
    <message>
        <source>Normal force of a mass on level ground:  N = m · g,  g = 9.81 m/s²</source>
        <translation>Forza normale su un piano orizzontale:  N = m · g,  g = 9.81 m/s²</translation>
    </message>
    <message>
        <source>Mass of the body resting on level ground, in kilograms</source>
        <translation>Massa del corpo appoggiato su un piano orizzontale, in chilogrammi</translation>
    </message>
    <message>
        <source>Mass of the body</source>
        <translation>Massa del corpo</translation>
    </message>
    <message>
        <source>Puts the weight of the mass into the static normal force</source>
        <translation>Scrive la forza peso della massa come forza normale dell&apos;attrito statico</translation>
    </message>
    <message>
        <source>Fill static normal force from the mass</source>
        <translation>Forza normale (attrito statico) dalla massa</translation>
    </message>
    <message>
        <source>Puts the weight of the mass into the dynamic normal force</source>
        <translation>Scrive la forza peso della massa come forza normale dell&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Fill dynamic normal force from the mass</source>
        <translation>Forza normale (attrito dinamico) dalla massa</translation>
    </message>
    <message>
        <source>The block and its forces</source>
        <translation>Il blocco e le forze applicate</translation>
    </message>
    <message>
        <source>Drawing of the block and its forces</source>
        <translation>Disegno del blocco e delle forze applicate</translation>
    </message>
    <message>
        <source>M&amp;ass m (kg):</source>
        <translation>M&amp;assa m (kg):</translation>
    </message>
    <message>
        <source>N &amp;static = m · g</source>
        <translation>N &amp;statica = m · g</translation>
    </message>
    <message>
        <source>N &amp;dynamic = m · g</source>
        <translation>N &amp;dinamica = m · g</translation>
    </message>
</context>
<context>
    <name>AttritoMotionPart</name>
    <message>
        <source>Pushed on level ground:  a = (P − μk · N) / m</source>
        <translation>Spinto in piano:  a = (P − μk · N) / m</translation>
    </message>
    <message>
        <source>Mass of the &amp;body m:</source>
        <translation>Massa del corpo m (k&amp;g):</translation>
    </message>
    <message>
        <source>Mass of the body, in kilograms; when given, N = m · g</source>
        <translation>Massa del corpo, in chilogrammi; se data, N = m · g</translation>
    </message>
    <message>
        <source>Mass of the pushed body</source>
        <translation>Massa del corpo spinto</translation>
    </message>
    <message>
        <source>or norma&amp;l force N:</source>
        <translation>o forza norma&amp;le N:</translation>
    </message>
    <message>
        <source>Normal force on level ground, in newtons, when the mass is not given</source>
        <translation>Forza normale su un piano orizzontale, in newton, quando la massa non è data</translation>
    </message>
    <message>
        <source>Normal force on the pushed body</source>
        <translation>Forza normale sul corpo spinto</translation>
    </message>
    <message>
        <source>Hori&amp;zontal push P:</source>
        <translation>Spinta ori&amp;zzontale P:</translation>
    </message>
    <message>
        <source>The push along the ground, in newtons</source>
        <translation>La spinta lungo il piano, in newton</translation>
    </message>
    <message>
        <source>Horizontal push</source>
        <translation>Spinta orizzontale</translation>
    </message>
    <message>
        <source>μs (s&amp;tatic):</source>
        <translation>μs (static&amp;o):</translation>
    </message>
    <message>
        <source>Coefficient of static friction</source>
        <translation>Coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Static coefficient of the pushed body</source>
        <translation>Coefficiente statico del corpo spinto</translation>
    </message>
    <message>
        <source>μk (d&amp;ynamic):</source>
        <translation>μ&amp;k (dinamico):</translation>
    </message>
    <message>
        <source>Coefficient of kinetic (dynamic) friction</source>
        <translation>Coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Kinetic coefficient of the pushed body</source>
        <translation>Coefficiente dinamico del corpo spinto</translation>
    </message>
    <message>
        <source>Does it m&amp;ove?</source>
        <translation>Si m&amp;uove?</translation>
    </message>
    <message>
        <source>Whether the push moves the body, and its acceleration</source>
        <translation>Se la spinta muove il corpo, e la sua accelerazione</translation>
    </message>
    <message>
        <source>Find whether it moves and its acceleration</source>
        <translation>Trova se si muove e la sua accelerazione</translation>
    </message>
    <message>
        <source>The largest push static friction can hold, in newtons</source>
        <translation>La spinta più grande che l&apos;attrito statico può trattenere, in newton</translation>
    </message>
    <message>
        <source>Greatest static friction on the pushed body</source>
        <translation>Attrito statico massimo sul corpo spinto</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Esito:</translation>
    </message>
    <message>
        <source>Whether the push moves the body</source>
        <translation>Se la spinta muove il corpo</translation>
    </message>
    <message>
        <source>Whether the pushed body moves</source>
        <translation>Se il corpo spinto si muove</translation>
    </message>
    <message>
        <source>Friction F:</source>
        <translation>Attrito F:</translation>
    </message>
    <message>
        <source>Friction acting: equal to the push at rest, μk · N when moving, in newtons</source>
        <translation>Attrito che agisce: uguale alla spinta a riposo, μk · N in moto, in newton</translation>
    </message>
    <message>
        <source>Friction on the pushed body</source>
        <translation>Attrito sul corpo spinto</translation>
    </message>
    <message>
        <source>Net force P − μk · N:</source>
        <translation>Forza risultante P − μk · N:</translation>
    </message>
    <message>
        <source>Net force along the ground, in newtons; 0 at rest</source>
        <translation>Forza risultante lungo il piano, in newton; 0 a riposo</translation>
    </message>
    <message>
        <source>Net force on the pushed body</source>
        <translation>Forza risultante sul corpo spinto</translation>
    </message>
    <message>
        <source>Acceleration a:</source>
        <translation>Accelerazione a:</translation>
    </message>
    <message>
        <source>a = (P − μk · N) / m, in metres per second squared; 0 at rest</source>
        <translation>a = (P − μk · N) / m, in metri al secondo quadrato; 0 a riposo</translation>
    </message>
    <message>
        <source>Acceleration of the pushed body</source>
        <translation>Accelerazione del corpo spinto</translation>
    </message>
    <message>
        <source>Static limit μs · N:</source>
        <translation>Massimo statico μs · N:</translation>
    </message>
</context>
<context>
    <name>AttritoWindow</name>
    <message>
        <source>Friction</source>
        <translation>Attrito</translation>
    </message>
    <message>
        <source>Type two quantities of a group, then press the button beside the third.</source>
        <translation>Scrivi due grandezze di un gruppo, poi premi il pulsante accanto alla terza.</translation>
    </message>
    <message>
        <source>Static friction:  F = k · N</source>
        <translation>Attrito statico:  F = k · N</translation>
    </message>
    <message>
        <source>Friction &amp;force F:</source>
        <translation>&amp;Forza d&apos;attrito F:</translation>
    </message>
    <message>
        <source>Largest friction force before the body starts to slide, in newtons</source>
        <translation>Forza d&apos;attrito massima prima che il corpo inizi a scivolare, in newton</translation>
    </message>
    <message>
        <source>Static friction force</source>
        <translation>Forza d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Static friction force from the coefficient and the normal force</source>
        <translation>Forza d&apos;attrito statico dal coefficiente e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute static friction force</source>
        <translation>Calcola la forza d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Coefficient of static friction, a pure number</source>
        <translation>Coefficiente d&apos;attrito statico, un numero puro</translation>
    </message>
    <message>
        <source>Static friction coefficient</source>
        <translation>Coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Static friction coefficient from the friction force and the normal force</source>
        <translation>Coefficiente d&apos;attrito statico dalla forza d&apos;attrito e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute static friction coefficient</source>
        <translation>Calcola il coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>&amp;Normal force N:</source>
        <translation>Forza &amp;normale N:</translation>
    </message>
    <message>
        <source>Force pressing the surfaces together, in newtons</source>
        <translation>Forza che preme le superfici l&apos;una contro l&apos;altra, in newton</translation>
    </message>
    <message>
        <source>Normal force, static</source>
        <translation>Forza normale, attrito statico</translation>
    </message>
    <message>
        <source>Normal force from the static friction force and coefficient</source>
        <translation>Forza normale dalla forza e dal coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Compute normal force, static</source>
        <translation>Calcola la forza normale, attrito statico</translation>
    </message>
    <message>
        <source>Dynamic friction:  F = k · N</source>
        <translation>Attrito dinamico:  F = k · N</translation>
    </message>
    <message>
        <source>F&amp;riction force F:</source>
        <translation>Fo&amp;rza d&apos;attrito F:</translation>
    </message>
    <message>
        <source>Friction force on a sliding body, in newtons</source>
        <translation>Forza d&apos;attrito su un corpo che scivola, in newton</translation>
    </message>
    <message>
        <source>Dynamic friction force</source>
        <translation>Forza d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Dynamic friction force from the coefficient and the normal force</source>
        <translation>Forza d&apos;attrito dinamico dal coefficiente e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute dynamic friction force</source>
        <translation>Calcola la forza d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Coefficient of dynamic (kinetic) friction, a pure number</source>
        <translation>Coefficiente d&apos;attrito dinamico, un numero puro</translation>
    </message>
    <message>
        <source>Dynamic friction coefficient</source>
        <translation>Coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Dynamic friction coefficient from the friction force and the normal force</source>
        <translation>Coefficiente d&apos;attrito dinamico dalla forza d&apos;attrito e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute dynamic friction coefficient</source>
        <translation>Calcola il coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Nor&amp;mal force N:</source>
        <translation>Forza nor&amp;male N:</translation>
    </message>
    <message>
        <source>Normal force, dynamic</source>
        <translation>Forza normale, attrito dinamico</translation>
    </message>
    <message>
        <source>Normal force from the dynamic friction force and coefficient</source>
        <translation>Forza normale dalla forza e dal coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Compute normal force, dynamic</source>
        <translation>Calcola la forza normale, attrito dinamico</translation>
    </message>
    <message>
        <source>&amp;1  F = k · N</source>
        <translation>&amp;1  F = k · N</translation>
    </message>
    <message>
        <source>&amp;Coefficient μs (k):</source>
        <translation>&amp;Coefficiente μs (k):</translation>
    </message>
    <message>
        <source>&amp;2  k = F / N</source>
        <translation>&amp;2  k = F / N</translation>
    </message>
    <message>
        <source>&amp;3  N = F / k</source>
        <translation>&amp;3  N = F / k</translation>
    </message>
    <message>
        <source>&amp;4  F = k · N</source>
        <translation>&amp;4  F = k · N</translation>
    </message>
    <message>
        <source>Coeff&amp;icient μk (k):</source>
        <translation>Coeff&amp;iciente μk (k):</translation>
    </message>
    <message>
        <source>&amp;5  k = F / N</source>
        <translation>&amp;5  k = F / N</translation>
    </message>
    <message>
        <source>&amp;6  N = F / k</source>
        <translation>&amp;6  N = F / k</translation>
    </message>
</context>
<context>
    <name>Bearing</name>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>%1° N of E</source>
        <translation>%1° N di E</translation>
    </message>
    <message>
        <source>%1° N of W</source>
        <translation>%1° N di O</translation>
    </message>
    <message>
        <source>%1° S of W</source>
        <translation>%1° S di O</translation>
    </message>
    <message>
        <source>%1° S of E</source>
        <translation>%1° S di E</translation>
    </message>
</context>
<context>
    <name>Carry</name>
    <message>
        <source>Carry to</source>
        <translation>Porta in</translation>
    </message>
</context>
<context>
    <name>CountPanel</name>
    <message>
        <source>Number of vectors</source>
        <translation>Numero di vettori</translation>
    </message>
    <message>
        <source>How many vectors do you want to add? Up to ten.</source>
        <translation>Quanti vettori vuoi sommare? Al massimo dieci.</translation>
    </message>
    <message>
        <source>&amp;Number of vectors:</source>
        <translation>&amp;Numero di vettori:</translation>
    </message>
    <message>
        <source>How many vectors you will enter, from 1 to 10</source>
        <translation>Quanti vettori inserirai, da 1 a 10</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close the vector tool</source>
        <translation>Chiudi la somma di vettori</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Enter the vectors one by one (Return)</source>
        <translation>Inserisci i vettori uno alla volta (Invio)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Measurement errors</source>
        <translation>Errori di misura</translation>
    </message>
    <message>
        <source>Mean of a series of measurements</source>
        <translation>Media di una serie di misure</translation>
    </message>
    <message>
        <source>New &amp;value:</source>
        <translation>Nuovo &amp;valore:</translation>
    </message>
    <message>
        <source>One measurement of the series (Return adds it)</source>
        <translation>Una misura della serie (Invio la aggiunge)</translation>
    </message>
    <message>
        <source>Value to add</source>
        <translation>Valore da aggiungere</translation>
    </message>
    <message>
        <source>&amp;Add to mean</source>
        <translation>A&amp;ggiungi alla media</translation>
    </message>
    <message>
        <source>Count this value into the mean (Return)</source>
        <translation>Conta questo valore nella media (Invio)</translation>
    </message>
    <message>
        <source>Add to mean</source>
        <translation>Aggiungi alla media</translation>
    </message>
    <message>
        <source>&amp;Mean:</source>
        <translation>&amp;Media:</translation>
    </message>
    <message>
        <source>Mean of the values added since the series was last cleared</source>
        <translation>Media dei valori aggiunti dall&apos;ultimo azzeramento della serie</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>&amp;Show mean</source>
        <translation>Mostra la m&amp;edia</translation>
    </message>
    <message>
        <source>Show the mean of the values added so far</source>
        <translation>Mostra la media dei valori aggiunti finora</translation>
    </message>
    <message>
        <source>Show mean</source>
        <translation>Mostra la media</translation>
    </message>
    <message>
        <source>The mean shown stays until Show mean is pressed again.</source>
        <translation>La media mostrata resta finché non si preme di nuovo Mostra la media.</translation>
    </message>
    <message>
        <source>C&amp;lear values</source>
        <translation>A&amp;zzera i valori</translation>
    </message>
    <message>
        <source>Forget the values added so far and start a new series</source>
        <translation>Dimentica i valori aggiunti finora e inizia una nuova serie</translation>
    </message>
    <message>
        <source>Clear values</source>
        <translation>Azzera i valori</translation>
    </message>
    <message>
        <source>Absolute error:  Δx = ε · x</source>
        <translation>Errore assoluto:  Δx = ε · x</translation>
    </message>
    <message>
        <source>&amp;Relative error ε:</source>
        <translation>Errore &amp;relativo ε:</translation>
    </message>
    <message>
        <source>Relative error of the measurement, as a fraction (0.05 for 5 %)</source>
        <translation>Errore relativo della misura, come frazione (0.05 per il 5 %)</translation>
    </message>
    <message>
        <source>Relative error</source>
        <translation>Errore relativo</translation>
    </message>
    <message>
        <source>Measured value &amp;x:</source>
        <translation>Misura &amp;x:</translation>
    </message>
    <message>
        <source>The measured value, in its own unit</source>
        <translation>Il valore misurato, nella sua unità di misura</translation>
    </message>
    <message>
        <source>Measured value, for the absolute error</source>
        <translation>Misura, per l&apos;errore assoluto</translation>
    </message>
    <message>
        <source>Absolute error Δx:</source>
        <translation>Errore assoluto Δx:</translation>
    </message>
    <message>
        <source>Absolute error, in the unit of the measured value</source>
        <translation>Errore assoluto, nell&apos;unità di misura del valore misurato</translation>
    </message>
    <message>
        <source>Absolute error result</source>
        <translation>Risultato: errore assoluto</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Absolute error from the relative error and the value (Return)</source>
        <translation>Errore assoluto dall&apos;errore relativo e dalla misura (Invio)</translation>
    </message>
    <message>
        <source>Compute absolute error</source>
        <translation>Calcola l&apos;errore assoluto</translation>
    </message>
    <message>
        <source>Relative and percentage errors:  ε = Δx / x</source>
        <translation>Errore relativo e percentuale:  ε = Δx / x</translation>
    </message>
    <message>
        <source>A&amp;bsolute error Δx:</source>
        <translation>Errore &amp;assoluto Δx:</translation>
    </message>
    <message>
        <source>Absolute error of the measurement, in its unit</source>
        <translation>Errore assoluto della misura (per una serie di misure, la semidispersione), nella sua unità di misura</translation>
    </message>
    <message>
        <source>Absolute error</source>
        <translation>Errore assoluto</translation>
    </message>
    <message>
        <source>Meas&amp;ured value x:</source>
        <translation>Mi&amp;sura x:</translation>
    </message>
    <message>
        <source>The measured value, in the same unit as its error</source>
        <translation>Il valore misurato, nella stessa unità di misura del suo errore</translation>
    </message>
    <message>
        <source>Measured value, for the relative error</source>
        <translation>Misura, per l&apos;errore relativo</translation>
    </message>
    <message>
        <source>Relative error ε:</source>
        <translation>Errore relativo ε:</translation>
    </message>
    <message>
        <source>Relative error, as a fraction</source>
        <translation>Errore relativo, come frazione</translation>
    </message>
    <message>
        <source>Relative error result</source>
        <translation>Risultato: errore relativo</translation>
    </message>
    <message>
        <source>C&amp;ompute</source>
        <translation>Calc&amp;ola</translation>
    </message>
    <message>
        <source>Relative and percentage errors from the absolute error and the value (Return)</source>
        <translation>Errore relativo e percentuale dall&apos;errore assoluto e dalla misura (Invio)</translation>
    </message>
    <message>
        <source>Compute relative and percentage errors</source>
        <translation>Calcola l&apos;errore relativo e percentuale</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Errore percentuale (%):</translation>
    </message>
    <message>
        <source>Relative error as a percentage</source>
        <translation>Errore relativo in percentuale</translation>
    </message>
    <message>
        <source>Percentage error result</source>
        <translation>Risultato: errore percentuale</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>Out of date: an input changed since this was computed.</source>
        <translation>Non aggiornato: un dato è cambiato dopo questo calcolo.</translation>
    </message>
    <message>
        <source>Computed by its button.</source>
        <translation>Calcolato con il suo pulsante.</translation>
    </message>
</context>
<context>
    <name>Fluid</name>
    <message>
        <source>No column drawn: the depth h is not above 0.</source>
        <translation>Nessuna colonna disegnata: la profondità h non è maggiore di 0.</translation>
    </message>
    <message>
        <source>p is the gauge pressure, of the liquid alone; the air adds 101325 Pa.</source>
        <translation>p: pressione relativa, del solo liquido; l&apos;aria aggiunge 101325 Pa.</translation>
    </message>
    <message>
        <source>A tank of liquid of density %1 kg/m³. At a depth of %2 m below its surface the liquid presses with %3 Pa (gauge); with the air above, %4 Pa absolute.</source>
        <translation>Un recipiente con un liquido di densità %1 kg/m³. Alla profondità di %2 m sotto la superficie libera il liquido esercita una pressione di %3 Pa (relativa); con l&apos;aria sovrastante, %4 Pa (assoluta).</translation>
    </message>
</context>
<context>
    <name>FluidUnitsPart</name>
    <message>
        <source>Other units; absolute = gauge + 1 atm (101325 Pa)</source>
        <translation>Altre unità; assoluta = relativa + 1 atm (101325 Pa)</translation>
    </message>
    <message>
        <source>Surface p:</source>
        <translation>p sulla superficie:</translation>
    </message>
    <message>
        <source>The pressure on the surface in kPa, bar and atm, to four significant figures</source>
        <translation>La pressione sulla superficie in kPa, bar e atm, con quattro cifre significative</translation>
    </message>
    <message>
        <source>Pressure on the area in kilopascals, bars and atmospheres</source>
        <translation>Pressione sulla superficie in kilopascal, bar e atmosfere</translation>
    </message>
    <message>
        <source>Depth p, gauge:</source>
        <translation>p idrostatica relativa:</translation>
    </message>
    <message>
        <source>The pressure of the liquid alone in kPa, bar and atm, to four significant figures</source>
        <translation>La pressione dovuta al solo liquido in kPa, bar e atm, con quattro cifre significative</translation>
    </message>
    <message>
        <source>Gauge pressure at the depth in kilopascals, bars and atmospheres</source>
        <translation>Pressione idrostatica relativa in kilopascal, bar e atmosfere</translation>
    </message>
    <message>
        <source>Depth p, absolute:</source>
        <translation>p idrostatica assoluta:</translation>
    </message>
    <message>
        <source>The pressure with the air above added (101325 Pa), in kPa, bar and atm, to four significant figures</source>
        <translation>La pressione sommata a quella dell&apos;aria sovrastante (101325 Pa), in kPa, bar e atm, con quattro cifre significative</translation>
    </message>
    <message>
        <source>Absolute pressure at the depth in kilopascals, bars and atmospheres</source>
        <translation>Pressione idrostatica assoluta in kilopascal, bar e atmosfere</translation>
    </message>
    <message>
        <source>&amp;Liquid (fills ρ):</source>
        <translation>&amp;Liquido (imposta ρ):</translation>
    </message>
    <message>
        <source>Fills the density with that of a common liquid</source>
        <translation>Imposta la densità di un liquido comune</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquido</translation>
    </message>
    <message>
        <source>Choose a liquid…</source>
        <translation>Scegli un liquido…</translation>
    </message>
    <message>
        <source>1000 kg/m³ fresh water</source>
        <translation>1000 kg/m³ acqua dolce</translation>
    </message>
    <message>
        <source>1025 kg/m³ sea water</source>
        <translation>1025 kg/m³ acqua di mare</translation>
    </message>
    <message>
        <source>13600 kg/m³ mercury</source>
        <translation>13600 kg/m³ mercurio</translation>
    </message>
    <message>
        <source>900 kg/m³ oil</source>
        <translation>900 kg/m³ olio</translation>
    </message>
    <message>
        <source>The liquid at the depth</source>
        <translation>Il liquido alla profondità h</translation>
    </message>
    <message>
        <source>Drawing of the liquid at the depth</source>
        <translation>Disegno del liquido alla profondità h</translation>
    </message>
    <message>
        <source>Depth p, absolute (Pa):</source>
        <translation>p idrostatica assoluta (Pa):</translation>
    </message>
    <message>
        <source>The pressure with the air above added (101325 Pa), in pascals</source>
        <translation>La pressione con l&apos;aria sovrastante (101325 Pa), in pascal</translation>
    </message>
    <message>
        <source>Absolute pressure at the depth in pascals</source>
        <translation>Pressione idrostatica assoluta in pascal</translation>
    </message>
</context>
<context>
    <name>FluidWindow</name>
    <message>
        <source>Fluid pressure</source>
        <translation>Pressione nei fluidi</translation>
    </message>
    <message>
        <source>Type two quantities of a group, then press the button beside the third.</source>
        <translation>Scrivi due grandezze di un gruppo, poi premi il pulsante accanto alla terza.</translation>
    </message>
    <message>
        <source>Pressure on a surface:  p = F / A</source>
        <translation>Pressione su una superficie:  p = F / A</translation>
    </message>
    <message>
        <source>&amp;Force F:</source>
        <translation>&amp;Forza F:</translation>
    </message>
    <message>
        <source>Force acting on the surface, in newtons</source>
        <translation>Forza che agisce sulla superficie, in newton</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>Force from the pressure and the area</source>
        <translation>Forza dalla pressione e dall&apos;area</translation>
    </message>
    <message>
        <source>Compute force</source>
        <translation>Calcola la forza</translation>
    </message>
    <message>
        <source>&amp;Area A:</source>
        <translation>&amp;Area A:</translation>
    </message>
    <message>
        <source>Area of the surface, in square metres</source>
        <translation>Area della superficie, in metri quadrati</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Area from the force and the pressure</source>
        <translation>Area dalla forza e dalla pressione</translation>
    </message>
    <message>
        <source>Compute area</source>
        <translation>Calcola l&apos;area</translation>
    </message>
    <message>
        <source>&amp;Pressure p:</source>
        <translation>&amp;Pressione p:</translation>
    </message>
    <message>
        <source>Pressure on the surface, in pascals</source>
        <translation>Pressione sulla superficie, in pascal</translation>
    </message>
    <message>
        <source>Pressure on the area</source>
        <translation>Pressione sulla superficie</translation>
    </message>
    <message>
        <source>Pressure from the force and the area</source>
        <translation>Pressione dalla forza e dall&apos;area</translation>
    </message>
    <message>
        <source>Compute pressure on the area</source>
        <translation>Calcola la pressione sulla superficie</translation>
    </message>
    <message>
        <source>Pressure at a depth in a liquid:  p = ρ · g · h,  g = 9.81 m/s²</source>
        <translation>Pressione idrostatica in un liquido:  p = ρ · g · h,  g = 9.81 m/s²</translation>
    </message>
    <message>
        <source>&amp;Density ρ:</source>
        <translation>&amp;Densità ρ:</translation>
    </message>
    <message>
        <source>Density of the liquid, in kilograms per cubic metre</source>
        <translation>Densità del liquido, in chilogrammi al metro cubo</translation>
    </message>
    <message>
        <source>Density of the liquid</source>
        <translation>Densità del liquido</translation>
    </message>
    <message>
        <source>Density from the pressure and the depth</source>
        <translation>Densità dalla pressione e dalla profondità</translation>
    </message>
    <message>
        <source>Compute density of the liquid</source>
        <translation>Calcola la densità del liquido</translation>
    </message>
    <message>
        <source>D&amp;epth h:</source>
        <translation>Pr&amp;ofondità h:</translation>
    </message>
    <message>
        <source>Depth below the surface of the liquid, in metres</source>
        <translation>Profondità sotto la superficie libera del liquido, in metri</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Depth from the pressure and the density</source>
        <translation>Profondità dalla pressione e dalla densità</translation>
    </message>
    <message>
        <source>Compute depth</source>
        <translation>Calcola la profondità</translation>
    </message>
    <message>
        <source>Pre&amp;ssure p:</source>
        <translation>Pre&amp;ssione p:</translation>
    </message>
    <message>
        <source>Pressure of the liquid at that depth, in pascals</source>
        <translation>Pressione idrostatica a quella profondità, in pascal</translation>
    </message>
    <message>
        <source>Pressure at the depth</source>
        <translation>Pressione idrostatica</translation>
    </message>
    <message>
        <source>Pressure from the density and the depth</source>
        <translation>Pressione idrostatica dalla densità e dalla profondità</translation>
    </message>
    <message>
        <source>Compute pressure at the depth</source>
        <translation>Calcola la pressione idrostatica</translation>
    </message>
    <message>
        <source>&amp;1  F = p · A</source>
        <translation>&amp;1  F = p · A</translation>
    </message>
    <message>
        <source>&amp;2  A = F / p</source>
        <translation>&amp;2  A = F / p</translation>
    </message>
    <message>
        <source>&amp;3  p = F / A</source>
        <translation>&amp;3  p = F / A</translation>
    </message>
    <message>
        <source>&amp;4  ρ = p / (g · h)</source>
        <translation>&amp;4  ρ = p / (g · h)</translation>
    </message>
    <message>
        <source>&amp;5  h = p / (ρ · g)</source>
        <translation>&amp;5  h = p / (ρ · g)</translation>
    </message>
    <message>
        <source>&amp;6  p = ρ · g · h</source>
        <translation>&amp;6  p = ρ · g · h</translation>
    </message>
</context>
<context>
    <name>Friction</name>
    <message>
        <source>N: normal force; P: the way the body is pushed; friction acts against it.</source>
        <translation>N: forza normale; P: verso in cui il corpo è spinto; l&apos;attrito si oppone.</translation>
    </message>
    <message>
        <source>A block sliding to the right on level ground. The ground pushes up with %1 N; dynamic friction of %2 N acts to the left, against the motion.</source>
        <translation>Un blocco che scivola verso destra su un piano orizzontale. Il piano lo spinge verso l&apos;alto con %1 N; l&apos;attrito dinamico di %2 N agisce verso sinistra, opponendosi al moto.</translation>
    </message>
    <message>
        <source>A block at rest on level ground, pushed to the right. The ground pushes up with %1 N; static friction of up to %2 N acts to the left, against the push.</source>
        <translation>Un blocco fermo su un piano orizzontale, spinto verso destra. Il piano lo spinge verso l&apos;alto con %1 N; l&apos;attrito statico, fino a %2 N, agisce verso sinistra, opponendosi alla spinta.</translation>
    </message>
    <message>
        <source>Moves: the push of %1 N is more than the greatest static friction, %2 N.</source>
        <translation>Si muove: la spinta di %1 N supera l&apos;attrito statico massimo, %2 N.</translation>
    </message>
    <message>
        <source>Stays at rest: the push of %1 N is less than the greatest static friction, %2 N.</source>
        <translation>Resta fermo: la spinta di %1 N è minore dell&apos;attrito statico massimo, %2 N.</translation>
    </message>
    <message>
        <source>On the point of moving: the push of %1 N equals the greatest static friction, %2 N. Once moving, it goes on as below.</source>
        <translation>Sul punto di muoversi: la spinta di %1 N è uguale all&apos;attrito statico massimo, %2 N. Una volta in moto, prosegue come sotto.</translation>
    </message>
    <message>
        <source>Within the uncertainties, the push, %1, and the greatest static friction, %2, overlap: whether the body moves is not certain.</source>
        <translation>Entro le incertezze, la spinta, %1, e l&apos;attrito statico massimo, %2, si sovrappongono: non è certo se il corpo si muova.</translation>
    </message>
</context>
<context>
    <name>Interface</name>
    <message>
        <source>About PhysCalc</source>
        <translation>Informazioni su PhysCalc</translation>
    </message>
    <message>
        <source>&lt;h3&gt;PhysCalc %1&lt;/h3&gt;&lt;p&gt;A calculator for introductory physics: inclined plane, measurement errors, friction, torque, vector sum and fluid pressure.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;PhysCalc %1&lt;/h3&gt;&lt;p&gt;Una calcolatrice per la fisica di base: piano inclinato, errori di misura, attrito, momento di una forza, somma di vettori e pressione nei fluidi.&lt;/p&gt;&lt;p&gt;Distribuita con licenza MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quit PhysCalc</source>
        <translation>Esci da PhysCalc</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Out of date: the values changed since this mean.</source>
        <translation>Non aggiornata: i valori sono cambiati dopo questa media.</translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation>Annulla l&apos;inserimento</translation>
    </message>
    <message>
        <source>End this run? The vectors entered so far are forgotten.</source>
        <translation>Interrompere l&apos;inserimento? I vettori inseriti finora andranno persi.</translation>
    </message>
    <message>
        <source>&amp;Save log…</source>
        <translation>&amp;Salva il registro…</translation>
    </message>
    <message>
        <source>&amp;Quit anyway</source>
        <translation>&amp;Esci comunque</translation>
    </message>
    <message>
        <source>The lab sheet holds values not sent to the results log.</source>
        <translation>La scheda di laboratorio contiene valori non inviati al registro dei risultati.</translation>
    </message>
    <message>
        <source>A vector run is under way.</source>
        <translation>È in corso l&apos;inserimento dei vettori.</translation>
    </message>
    <message>
        <source>The results log holds computations not saved.</source>
        <translation>Il registro dei risultati contiene calcoli non salvati.</translation>
    </message>
    <message>
        <source>Quit and lose them?</source>
        <translation>Uscire e perderli?</translation>
    </message>
    <message>
        <source>Results with uncertainty</source>
        <translation>Risultati con incertezza</translation>
    </message>
</context>
<context>
    <name>LabSheet</name>
    <message>
        <source>Lab sheet</source>
        <translation>Scheda di laboratorio</translation>
    </message>
    <message>
        <source>Un&amp;it:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>The unit of the measurements, such as m or s; shown with the result</source>
        <translation>L&apos;unità di misura delle misure, come m o s; compare con il risultato</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità di misura</translation>
    </message>
    <message>
        <source>Resolutio&amp;n:</source>
        <translation>Se&amp;nsibilità:</translation>
    </message>
    <message>
        <source>The smallest step the instrument reads (its sensitivity); Δx is never below it</source>
        <translation>La più piccola variazione che lo strumento può rilevare; Δx non è mai minore di essa</translation>
    </message>
    <message>
        <source>Instrument resolution</source>
        <translation>Sensibilità dello strumento</translation>
    </message>
    <message>
        <source>Values added:</source>
        <translation>Valori aggiunti:</translation>
    </message>
    <message>
        <source>Values added</source>
        <translation>Valori aggiunti</translation>
    </message>
    <message>
        <source>n:</source>
        <translation>n:</translation>
    </message>
    <message>
        <source>How many values the series holds</source>
        <translation>Quanti valori contiene la serie</translation>
    </message>
    <message>
        <source>Number of values</source>
        <translation>Numero di valori</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <translation>Minimo:</translation>
    </message>
    <message>
        <source>The smallest value</source>
        <translation>Il valore più piccolo</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Massimo:</translation>
    </message>
    <message>
        <source>The largest value</source>
        <translation>Il valore più grande</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Mean x̄:</source>
        <translation>Media x̄:</translation>
    </message>
    <message>
        <source>The mean, worked out in double precision</source>
        <translation>La media, calcolata in doppia precisione</translation>
    </message>
    <message>
        <source>Mean of the series</source>
        <translation>Media della serie</translation>
    </message>
    <message>
        <source>Half-range:</source>
        <translation>Semidispersione:</translation>
    </message>
    <message>
        <source>(maximum − minimum) / 2</source>
        <translation>(massimo − minimo) / 2</translation>
    </message>
    <message>
        <source>Half-range</source>
        <translation>Semidispersione</translation>
    </message>
    <message>
        <source>Standard deviation s:</source>
        <translation>Deviazione standard s:</translation>
    </message>
    <message>
        <source>Sample standard deviation, with n − 1; — while n &lt; 2</source>
        <translation>Deviazione standard campionaria, con n − 1; — finché n &lt; 2</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Deviazione standard campionaria</translation>
    </message>
    <message>
        <source>s / √n:</source>
        <translation>s / √n:</translation>
    </message>
    <message>
        <source>Standard deviation of the mean; — while n &lt; 2</source>
        <translation>Deviazione standard della media; — finché n &lt; 2</translation>
    </message>
    <message>
        <source>Standard deviation of the mean</source>
        <translation>Deviazione standard della media</translation>
    </message>
    <message>
        <source>Result x̄ ± Δx:</source>
        <translation>Risultato x̄ ± Δx:</translation>
    </message>
    <message>
        <source>Δx is the larger of the half-range and the resolution, to one significant figure (two when it begins with 1); x̄ to the same decimal place</source>
        <translation>Δx è la maggiore tra la semidispersione e la sensibilità, con una cifra significativa (due se inizia con 1); x̄ arrotondato alla stessa cifra decimale</translation>
    </message>
    <message>
        <source>Result with its uncertainty</source>
        <translation>Risultato con la sua incertezza</translation>
    </message>
    <message>
        <source>Remove las&amp;t</source>
        <translation>Togli l&apos;ult&amp;imo</translation>
    </message>
    <message>
        <source>Take the last value out, and the running mean back to what it was before it</source>
        <translation>Toglie l&apos;ultimo valore e riporta la media corrente a quella di prima</translation>
    </message>
    <message>
        <source>Remove last value</source>
        <translation>Togli l&apos;ultimo valore</translation>
    </message>
    <message>
        <source>Cop&amp;y sheet</source>
        <translation>Co&amp;pia la scheda</translation>
    </message>
    <message>
        <source>Copy the values and the figures, as text and as spreadsheet columns</source>
        <translation>Copia i valori e i risultati, come testo e come colonne di un foglio di calcolo</translation>
    </message>
    <message>
        <source>Copy lab sheet</source>
        <translation>Copia la scheda di laboratorio</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Values (%1)</source>
        <translation>Valori (%1)</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Standard deviation s</source>
        <translation>Deviazione standard s</translation>
    </message>
    <message>
        <source>s / √n</source>
        <translation>s / √n</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>The values added since the series was last cleared, in order. Delete removes the selected value, F2 or a double-click edits it, Ctrl+V adds a column of readings, Ctrl+Z undoes the last removal, edit or clear</source>
        <translation>I valori aggiunti dall&apos;ultimo azzeramento della serie, in ordine. Canc toglie il valore selezionato, F2 o un doppio clic lo modifica, Ctrl+V aggiunge una colonna di letture, Ctrl+Z annulla l&apos;ultima rimozione, modifica o azzeramento</translation>
    </message>
    <message>
        <source>R&amp;emove value</source>
        <translation>Togli il &amp;dato</translation>
    </message>
    <message>
        <source>Take the selected value out; the running mean is worked out again from the values left (Delete)</source>
        <translation>Togli il valore selezionato; la media corrente è ricalcolata dai valori rimasti (Canc)</translation>
    </message>
    <message>
        <source>Remove selected value</source>
        <translation>Togli il valore selezionato</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>Annulla modi&amp;fica</translation>
    </message>
    <message>
        <source>Bring back what the last removal, edit or clear took away (Ctrl+Z)</source>
        <translation>Riporta ciò che l&apos;ultima rimozione, modifica o azzeramento ha tolto (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo last change to the values</source>
        <translation>Annulla l&apos;ultima modifica dei valori</translation>
    </message>
    <message>
        <source>Send to lo&amp;g</source>
        <translation>Registra la sc&amp;heda</translation>
    </message>
    <message>
        <source>Put the values, their figures and the result in the results log, as one entry</source>
        <translation>Metti i valori, le loro statistiche e il risultato nel registro dei risultati, in una sola riga</translation>
    </message>
    <message>
        <source>Send lab sheet to results log</source>
        <translation>Invia la scheda di laboratorio al registro dei risultati</translation>
    </message>
    <message>
        <source>Figures in double precision from each value as typed (2.03 counts as 2.03), apart from the
running mean on the left. ⚠ marks a value over 3 s from the mean of the others (n ≥ 5).</source>
        <translation>Risultati in doppia precisione da ogni valore come è scritto (2.03 vale 2.03), tranne la
media corrente a sinistra. ⚠ segna un valore a oltre 3 s dalla media degli altri (n ≥ 5).</translation>
    </message>
    <message>
        <source>How the resolution, the unit and each value in the series were read</source>
        <translation>Come sono stati letti la sensibilità, l&apos;unità e ogni valore della serie</translation>
    </message>
    <message>
        <source>Notes on the lab sheet</source>
        <translation>Note sulla scheda di laboratorio</translation>
    </message>
    <message>
        <source>Unit “%1” begins like a spreadsheet formula: copies and the log write it after a quote mark (&apos;), as text.</source>
        <translation>L&apos;unità “%1” comincia come una formula di foglio di calcolo: le copie e il registro la scrivono dopo un apice (&apos;), come testo.</translation>
    </message>
    <message>
        <source>Value %1 typed “%2”, read as %3.</source>
        <translation>Valore %1 scritto “%2”, letto come %3.</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>letto come %1</translation>
    </message>
</context>
<context>
    <name>LabSheetView</name>
    <message>
        <source>Lab s&amp;heet</source>
        <translation>Scheda di &amp;laboratorio</translation>
    </message>
    <message>
        <source>Show lab sheet</source>
        <translation>Mostra la scheda di laboratorio</translation>
    </message>
    <message>
        <source>Show or hide the values added, their statistics and the result x̄ ± Δx</source>
        <translation>Mostra o nasconde i valori aggiunti, la loro statistica e il risultato x̄ ± Δx</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal separator of numbers pasted into a spreadsheet</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Far from the others: more than 3 s from the mean of the others</source>
        <translation>Lontano dagli altri: a più di 3 s dalla media degli altri</translation>
    </message>
    <message>
        <source>Remove value</source>
        <translation>Togli il valore</translation>
    </message>
    <message>
        <source>Edit value</source>
        <translation>Modifica il valore</translation>
    </message>
    <message>
        <source>Paste readings</source>
        <translation>Incolla le letture</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>PhysCalc</source>
        <translation>PhysCalc</translation>
    </message>
    <message>
        <source>Choose a tool. Each window keeps what you typed until you quit.</source>
        <translation>Scegli uno strumento: ogni finestra tiene i dati fino all&apos;uscita.</translation>
    </message>
    <message>
        <source>&amp;Inclined plane</source>
        <translation>&amp;Piano inclinato</translation>
    </message>
    <message>
        <source>Weight along and across a ramp, and its angle</source>
        <translation>Peso parallelo e perpendicolare, e angolo</translation>
    </message>
    <message>
        <source>Inclined plane</source>
        <translation>Piano inclinato</translation>
    </message>
    <message>
        <source>&amp;Measurement errors</source>
        <translation>&amp;Errori di misura</translation>
    </message>
    <message>
        <source>Mean, absolute, relative and percentage errors</source>
        <translation>Media, errore assoluto, relativo e in %</translation>
    </message>
    <message>
        <source>Measurement errors</source>
        <translation>Errori di misura</translation>
    </message>
    <message>
        <source>&amp;Friction</source>
        <translation>A&amp;ttrito</translation>
    </message>
    <message>
        <source>Static and dynamic friction, F&#xa0;=&#xa0;k&#xa0;·&#xa0;N</source>
        <translation>Attrito statico e dinamico, F&#xa0;=&#xa0;k&#xa0;·&#xa0;N</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Attrito</translation>
    </message>
    <message>
        <source>To&amp;rque</source>
        <translation>&amp;Momento di una forza</translation>
    </message>
    <message>
        <source>Moment of a force, and of a couple</source>
        <translation>Momento di una forza e di una coppia</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Momento di una forza</translation>
    </message>
    <message>
        <source>&amp;Vector sum</source>
        <translation>Somma di &amp;vettori</translation>
    </message>
    <message>
        <source>Resultant of up to ten plane vectors</source>
        <translation>Risultante di al massimo dieci vettori</translation>
    </message>
    <message>
        <source>Vector sum</source>
        <translation>Somma di vettori</translation>
    </message>
    <message>
        <source>Fluid &amp;pressure</source>
        <translation>Pressione nei &amp;fluidi</translation>
    </message>
    <message>
        <source>p&#xa0;=&#xa0;F&#xa0;/&#xa0;A, and p&#xa0;=&#xa0;ρ&#xa0;·&#xa0;g&#xa0;·&#xa0;h at a depth</source>
        <translation>p&#xa0;=&#xa0;F&#xa0;/&#xa0;A, e p&#xa0;=&#xa0;ρ&#xa0;·&#xa0;g&#xa0;·&#xa0;h in un liquido</translation>
    </message>
    <message>
        <source>Fluid pressure</source>
        <translation>Pressione nei fluidi</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>&amp;About PhysCalc</source>
        <translation>&amp;Informazioni su PhysCalc</translation>
    </message>
    <message>
        <source>Results &amp;log</source>
        <translation>&amp;Registro dei risultati</translation>
    </message>
    <message>
        <source>Every computation of this session: copy, clear or save it</source>
        <translation>Tutti i calcoli di questa sessione: da copiare, cancellare o salvare</translation>
    </message>
</context>
<context>
    <name>MomentoLeverPart</name>
    <message>
        <source>The lever and its sense of rotation</source>
        <translation>La leva e il suo verso di rotazione</translation>
    </message>
    <message>
        <source>Counter-clockwise moments are positive; clockwise ones negative.</source>
        <translation>I momenti in senso antiorario sono positivi, quelli in senso orario negativi.</translation>
    </message>
    <message>
        <source>Drawing of the lever or couple and its turning</source>
        <translation>Disegno della leva o della coppia e del suo verso di rotazione</translation>
    </message>
</context>
<context>
    <name>MomentoWindow</name>
    <message>
        <source>Torque</source>
        <translation>Momento di una forza</translation>
    </message>
    <message>
        <source>Force at distance d from the pivot, at angle α to the lever:  M = F · d · sin α</source>
        <translation>Forza a distanza d dal fulcro, con angolo α rispetto alla leva:  M = F · d · sin α</translation>
    </message>
    <message>
        <source>&amp;Force F:</source>
        <translation>&amp;Forza F:</translation>
    </message>
    <message>
        <source>The force, in newtons</source>
        <translation>La forza, in newton</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>&amp;Distance d:</source>
        <translation>&amp;Distanza d:</translation>
    </message>
    <message>
        <source>Distance from the pivot to where the force acts, in metres</source>
        <translation>Distanza dal fulcro al punto di applicazione della forza, in metri</translation>
    </message>
    <message>
        <source>Distance from the pivot</source>
        <translation>Distanza dal fulcro</translation>
    </message>
    <message>
        <source>&amp;Angle α:</source>
        <translation>&amp;Angolo α:</translation>
    </message>
    <message>
        <source>Angle between the force and the lever, in degrees</source>
        <translation>Angolo tra la forza e la leva, in gradi</translation>
    </message>
    <message>
        <source>Angle between force and lever</source>
        <translation>Angolo tra forza e leva</translation>
    </message>
    <message>
        <source>Moment M (N·m):</source>
        <translation>Momento M (N·m):</translation>
    </message>
    <message>
        <source>Moment of the force about the pivot, in newton metres</source>
        <translation>Momento della forza rispetto al fulcro, in newton per metro</translation>
    </message>
    <message>
        <source>Moment of the force</source>
        <translation>Momento della forza</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>M = F · d · sin α (Return)</source>
        <translation>M = F · d · sin α (Invio)</translation>
    </message>
    <message>
        <source>Compute moment of the force</source>
        <translation>Calcola il momento della forza</translation>
    </message>
    <message>
        <source>Couple of opposite forces F, at arm b:  M = F · b</source>
        <translation>Coppia di forze opposte F, con braccio b:  M = F · b</translation>
    </message>
    <message>
        <source>F&amp;orce F:</source>
        <translation>F&amp;orza F:</translation>
    </message>
    <message>
        <source>Each of the two opposite forces, in newtons</source>
        <translation>Ciascuna delle due forze opposte, in newton</translation>
    </message>
    <message>
        <source>Force of the couple</source>
        <translation>Forza della coppia</translation>
    </message>
    <message>
        <source>Arm &amp;b:</source>
        <translation>&amp;Braccio b:</translation>
    </message>
    <message>
        <source>Distance between the lines of the two forces, in metres</source>
        <translation>Distanza tra le rette d&apos;azione delle due forze, in metri</translation>
    </message>
    <message>
        <source>Arm of the couple</source>
        <translation>Braccio della coppia</translation>
    </message>
    <message>
        <source>Moment of the couple, in newton metres</source>
        <translation>Momento della coppia, in newton per metro</translation>
    </message>
    <message>
        <source>Moment of the couple</source>
        <translation>Momento della coppia</translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation>Ca&amp;lcola</translation>
    </message>
    <message>
        <source>M = F · b (Return)</source>
        <translation>M = F · b (Invio)</translation>
    </message>
    <message>
        <source>Compute moment of the couple</source>
        <translation>Calcola il momento della coppia</translation>
    </message>
</context>
<context>
    <name>NewVectorSheet</name>
    <message>
        <source>New vector</source>
        <translation>Nuovo vettore</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>A name for the vector, used only in the list and the picture</source>
        <translation>Un nome per il vettore, usato solo nell&apos;elenco e nel disegno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Magnitude:</source>
        <translation>&amp;Modulo:</translation>
    </message>
    <message>
        <source>Length of the vector, in one unit for all the vectors (N, m, m/s, ...)</source>
        <translation>Modulo (intensità) del vettore, nella stessa unità di misura per tutti i vettori (N, m, m/s, ...)</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>In one unit for all the vectors</source>
        <translation>Nella stessa unità di misura per tutti i vettori</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>&amp;Angle from the x axis:</source>
        <translation>&amp;Angolo con l&apos;asse x:</translation>
    </message>
    <message>
        <source>Angle between the vector and the x axis, inside its quadrant, in degrees; ignored for a direction along an axis</source>
        <translation>Angolo tra il vettore e l&apos;asse x, all&apos;interno del suo quadrante, in gradi; ignorato per una direzione lungo un asse</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Angolo in gradi</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Direzione:</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Signs of the x and y components: ++ first quadrant, -+ second, -- third, +- fourth; or along an axis: x +, x -, y +, y -, where the angle is ignored</source>
        <translation>Segni delle componenti x e y: ++ primo quadrante, -+ secondo, -- terzo, +- quarto; oppure lungo un asse: x +, x -, y +, y -, dove l&apos;angolo è ignorato</translation>
    </message>
    <message>
        <source>The signs of the x and y components: ++ first quadrant, -+ second, -- third, +- fourth; or along an axis: x +, x -, y +, y - (the angle is then ignored)</source>
        <translation>I segni delle componenti x e y: ++ primo quadrante, -+ secondo, -- terzo, +- quarto; oppure lungo un asse: x +, x -, y +, y - (l&apos;angolo allora è ignorato)</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;++&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↗&lt;/td&gt;&lt;td&gt;first quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;→&lt;/td&gt;&lt;td&gt;along +x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;-+&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↖&lt;/td&gt;&lt;td&gt;second quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;←&lt;/td&gt;&lt;td&gt;along −x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;--&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↙&lt;/td&gt;&lt;td&gt;third quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↑&lt;/td&gt;&lt;td&gt;along +y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+-&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↘&lt;/td&gt;&lt;td&gt;fourth quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↓&lt;/td&gt;&lt;td&gt;along −y&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;Along an axis the angle is ignored.</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;++&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↗&lt;/td&gt;&lt;td&gt;primo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;→&lt;/td&gt;&lt;td&gt;lungo +x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;-+&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↖&lt;/td&gt;&lt;td&gt;secondo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;←&lt;/td&gt;&lt;td&gt;lungo −x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;--&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↙&lt;/td&gt;&lt;td&gt;terzo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↑&lt;/td&gt;&lt;td&gt;lungo +y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+-&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↘&lt;/td&gt;&lt;td&gt;quarto quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↓&lt;/td&gt;&lt;td&gt;lungo −y&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;Lungo un asse l&apos;angolo è ignorato.</translation>
    </message>
    <message>
        <source>Add &amp;vector</source>
        <translation>Aggiungi &amp;vettore</translation>
    </message>
    <message>
        <source>Store this vector (Return)</source>
        <translation>Memorizza questo vettore (Invio)</translation>
    </message>
    <message>
        <source>Add vector</source>
        <translation>Aggiungi vettore</translation>
    </message>
    <message>
        <source>&amp;Cancel run</source>
        <translation>Annu&amp;lla l&apos;inserimento</translation>
    </message>
    <message>
        <source>End this run and forget its vectors (Esc)</source>
        <translation>Interrompe l&apos;inserimento e dimentica i vettori inseriti (Esc)</translation>
    </message>
    <message>
        <source>Cancel run</source>
        <translation>Annulla l&apos;inserimento</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Take back the vector before this one, to correct it</source>
        <translation>Torna al vettore precedente per correggerlo</translation>
    </message>
    <message>
        <source>Back to the previous vector</source>
        <translation>Torna al vettore precedente</translation>
    </message>
    <message>
        <source>Or a bea&amp;ring:</source>
        <translation>Oppure una di&amp;rezione cardinale:</translation>
    </message>
    <message>
        <source>A compass bearing such as N20W, 20° W of N, S40W, 40 S of W or E, or an angle from +x (0 to 360, or -180 to 180): fills the angle and the direction</source>
        <translation>Una direzione cardinale come N20O, 20° O di N, S40O, 40 S di O o E, oppure un angolo da +x (da 0 a 360, o da -180 a 180): riempie l&apos;angolo e la direzione</translation>
    </message>
    <message>
        <source>Bearing or angle from +x</source>
        <translation>Direzione cardinale o angolo da +x</translation>
    </message>
    <message>
        <source>Fills the angle and the direction</source>
        <translation>Riempie l&apos;angolo e la direzione</translation>
    </message>
    <message>
        <source>N20W, 20° W of N, 184.65</source>
        <translation>N20O, 20° O di N, 184.65</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The count has stopped growing at %1 (2^24): a float count cannot grow by 1 any more, so the value went into the sum only.</source>
        <translation>Il conteggio si è fermato a %1 (2^24): un conteggio in virgola mobile (float) non può più crescere di 1, quindi il valore è entrato solo nella somma.</translation>
    </message>
    <message>
        <source>Values in the mean: %1.</source>
        <translation>Valori nella media: %1.</translation>
    </message>
    <message>
        <source>No value has been added yet: the mean is 0 / 0 (nan). Add values first.</source>
        <translation>Non è stato ancora aggiunto alcun valore: la media è 0 / 0 (nan). Aggiungi prima i valori.</translation>
    </message>
    <message>
        <source>Mean of %1 values.</source>
        <translation>Media di %1 valori.</translation>
    </message>
    <message>
        <source>A negative moment turns clockwise: the angle is measured anticlockwise from the lever to the force, and positive moments turn anticlockwise.</source>
        <translation>Un momento negativo fa ruotare in senso orario: l&apos;angolo si misura in senso antiorario dalla leva alla forza, e i momenti positivi fanno ruotare in senso antiorario.</translation>
    </message>
    <message>
        <source>A positive moment turns anticlockwise (the angle is measured anticlockwise from the lever to the force).</source>
        <translation>Un momento positivo fa ruotare in senso antiorario (l&apos;angolo si misura in senso antiorario dalla leva alla forza).</translation>
    </message>
    <message>
        <source>%1 is 0: both components and the angle divide by it (inf, or nan for 0 / 0).</source>
        <translation>%1 è 0: entrambe le componenti e l&apos;angolo si calcolano dividendo per questo valore (inf, oppure nan per 0 / 0).</translation>
    </message>
    <message>
        <source>%1 %2 is greater than %3 %4: no ramp has sin α = h / l above 1, so the angle has no value (nan).</source>
        <translation>%1 %2 è maggiore di %3 %4: nessun piano inclinato ha sin α = h / l maggiore di 1, quindi l&apos;angolo non ha valore (nan).</translation>
    </message>
    <message>
        <source>The sides are no right triangle: b² + h² = %1 but l² = %2. W⊥ used b and l, W∥ and α used h and l, each as typed.</source>
        <translation>I lati non formano un triangolo rettangolo: b² + h² = %1 ma l² = %2. W⊥ è calcolata con b e l, W∥ e α con h e l, ciascuno come è scritto.</translation>
    </message>
    <message>
        <source>%1: the code %2 names a quadrant and takes an angle from 0 to 90°; %3° was used as it stands, so the signs of cos and sin apply on top of the code&apos;s.</source>
        <translation>%1: il codice %2 indica un quadrante e richiede un angolo da 0 a 90°; %3° è stato usato così com&apos;è, quindi i segni di cos e sin si aggiungono a quelli del codice.</translation>
    </message>
    <message>
        <source>%1: %2 is the rounded %3; %4 used %2.</source>
        <translation>%1: %2 è %3 arrotondato; %4 ha usato %2.</translation>
    </message>
    <message>
        <source>%1 is %2: a number beyond what the calculator holds (about 3.4 × 10³⁸) went into it.</source>
        <translation>%1 è %2: vi è finito un numero oltre il massimo che la calcolatrice può contenere (circa 3.4 × 10³⁸).</translation>
    </message>
    <message>
        <source>%1 shows %2: a tiny negative number (%3) rounded, as good as 0.</source>
        <translation>%1 mostra %2: un numero negativo piccolissimo (%3) arrotondato, in pratica 0.</translation>
    </message>
    <message>
        <source>%1 ≈ %2 (the %3 shown hides its digits).</source>
        <translation>%1 ≈ %2 (il valore %3 mostrato ne nasconde le cifre).</translation>
    </message>
    <message>
        <source>%1 and %2 are both 0: 0 / 0 has no value (nan).</source>
        <translation>%1 e %2 sono entrambi 0: 0 / 0 non ha valore (nan).</translation>
    </message>
    <message>
        <source>%1 is 0: dividing by zero gives an infinity (inf).</source>
        <translation>%1 è 0: dividendo per zero si ottiene infinito (inf).</translation>
    </message>
    <message>
        <source>%1 and %2 are both typed: the mass wins, and the weight used is m · g.</source>
        <translation>%1 e %2 sono entrambi scritti: vale la massa, e il peso usato è m · g.</translation>
    </message>
    <message>
        <source>%1: “%2” is no number and was left out; the weight typed was used.</source>
        <translation>%1: “%2” non è un numero ed è stato tralasciato; è stato usato il peso scritto.</translation>
    </message>
    <message>
        <source>%1 was read as %2, beyond what the calculator holds (about 3.4 × 10³⁸): the mean and the lab sheet&apos;s figures have no value while it is in the series.</source>
        <translation>%1 è stato letto come %2, oltre il massimo che la calcolatrice può contenere (circa 3.4 × 10³⁸): la media e i dati della scheda di laboratorio non hanno valore finché resta nella serie.</translation>
    </message>
    <message>
        <source>%1 is 0: the acceleration divides by it (inf, or nan for 0 / 0).</source>
        <translation>%1 è 0: l&apos;accelerazione si divide per esso (inf, o nan per 0 / 0).</translation>
    </message>
    <message>
        <source>The push is less than the kinetic friction: once moving, the body slows down (a below 0) and stops.</source>
        <translation>La spinta è minore dell&apos;attrito dinamico: una volta in moto, il corpo rallenta (a sotto 0) e si ferma.</translation>
    </message>
    <message>
        <source>%1 and %2 are both typed: %1 was used, %2 left out.</source>
        <translation>%1 e %2 sono entrambi scritti: è stato usato %1, %2 lasciato da parte.</translation>
    </message>
    <message>
        <source>Kinetic friction is more than the pull along the ramp: once moving, the body slows down (a below 0).</source>
        <translation>L&apos;attrito dinamico supera la forza lungo il piano: una volta in moto, il corpo rallenta (a sotto 0).</translation>
    </message>
    <message>
        <source>W∥ alone overcomes static friction: no push down the ramp is needed to start it.</source>
        <translation>W∥ da solo vince l&apos;attrito statico: non serve una spinta verso il basso per metterlo in moto.</translation>
    </message>
    <message>
        <source>“%1” is no bearing: type one such as N20W, 20° W of N or E, or an angle from +x between -180 and 360°.</source>
        <translation>«%1» non è una direzione: scrivine una come N20O, 20° O di N o E, oppure un angolo da +x tra -180 e 360°.</translation>
    </message>
    <message>
        <source>“%1” was not added: the series takes only a number read in full. Correct it and add it again.</source>
        <translation>“%1” non è stato aggiunto: la serie accetta solo un numero letto per intero. Correggilo e aggiungilo di nuovo.</translation>
    </message>
    <message>
        <source>%1 values cleared: Undo on the lab sheet brings them back.</source>
        <translation>%1 valori azzerati: Annulla modifica nella scheda di laboratorio li riporta.</translation>
    </message>
    <message>
        <source>“%1” was not taken: the value stays %2. Type a number read in full.</source>
        <translation>“%1” non è stato accettato: il valore resta %2. Scrivi un numero che si legga per intero.</translation>
    </message>
    <message>
        <source>“%1” was not added: the series takes only a number read in full.</source>
        <translation>“%1” non è stato aggiunto: la serie accetta solo un numero letto per intero.</translation>
    </message>
    <message>
        <source>%1: the bearing %2 is %3° from the x axis with the code %4.</source>
        <translation>%1: la direzione %2 è a %3° dall&apos;asse x con il codice %4.</translation>
    </message>
</context>
<context>
    <name>NumberHint</name>
    <message>
        <source>Numbers take a point or a comma, as in 2.5 or 2,5, and a unit converts, as in 14 cm.</source>
        <translation>I numeri si scrivono con la virgola o con il punto, come in 2,5 o 2.5, e un&apos;unità si converte, come in 14 cm.</translation>
    </message>
</context>
<context>
    <name>PianoFrictionPart</name>
    <message>
        <source>Body on a ramp with friction (g = 9.81 m/s²)</source>
        <translation>Corpo su un piano inclinato con attrito (g = 9.81 m/s²)</translation>
    </message>
    <message>
        <source>Weigh&amp;t W:</source>
        <translation>Peso &amp;W:</translation>
    </message>
    <message>
        <source>Weight of the body, in newtons</source>
        <translation>Forza peso del corpo, in newton</translation>
    </message>
    <message>
        <source>Weight on the ramp with friction</source>
        <translation>Peso sul piano con attrito</translation>
    </message>
    <message>
        <source>or ma&amp;ss m:</source>
        <translation>&amp;o massa m:</translation>
    </message>
    <message>
        <source>Mass of the body, in kilograms; when given, the weight is m · g</source>
        <translation>Massa del corpo, in chilogrammi; se è data, la forza peso è m · g</translation>
    </message>
    <message>
        <source>Mass on the ramp with friction</source>
        <translation>Massa sul piano con attrito</translation>
    </message>
    <message>
        <source>A&amp;ngle α:</source>
        <translation>Angolo α (gra&amp;di):</translation>
    </message>
    <message>
        <source>Angle between the ramp and the ground, in degrees</source>
        <translation>Angolo tra il piano inclinato e l&apos;orizzontale, in gradi</translation>
    </message>
    <message>
        <source>Angle of the ramp with friction</source>
        <translation>Angolo del piano con attrito</translation>
    </message>
    <message>
        <source>μs (stati&amp;c):</source>
        <translation>μs (stat&amp;ico):</translation>
    </message>
    <message>
        <source>Coefficient of static friction; empty for none</source>
        <translation>Coefficiente d&apos;attrito statico; vuoto per nessuno</translation>
    </message>
    <message>
        <source>Static coefficient on the ramp</source>
        <translation>Coefficiente statico sul piano</translation>
    </message>
    <message>
        <source>μk (d&amp;ynamic):</source>
        <translation>μ&amp;k (dinamico):</translation>
    </message>
    <message>
        <source>Coefficient of kinetic friction; empty to find it from the friction below</source>
        <translation>Coefficiente d&apos;attrito dinamico; vuoto per ricavarlo dall&apos;attrito qui sotto</translation>
    </message>
    <message>
        <source>Kinetic coefficient on the ramp</source>
        <translation>Coefficiente dinamico sul piano</translation>
    </message>
    <message>
        <source>or sliding &amp;friction f:</source>
        <translation>o attrito radente &amp;f:</translation>
    </message>
    <message>
        <source>Friction while the body slides, in newtons: μk = f / N</source>
        <translation>Attrito mentre il corpo scivola, in newton: μk = f / N</translation>
    </message>
    <message>
        <source>Sliding friction on the ramp</source>
        <translation>Attrito radente sul piano</translation>
    </message>
    <message>
        <source>&amp;Push along it P (+ up):</source>
        <translation>Spinta P (+ s&amp;u):</translation>
    </message>
    <message>
        <source>A push along the ramp, in newtons: positive up the ramp, negative down; empty for none</source>
        <translation>Una spinta lungo il piano, in newton: positiva verso l&apos;alto, negativa verso il basso; vuoto per nessuna</translation>
    </message>
    <message>
        <source>Push along the ramp</source>
        <translation>Spinta lungo il piano</translation>
    </message>
    <message>
        <source>Sl&amp;ide?</source>
        <translation>Sci&amp;vola?</translation>
    </message>
    <message>
        <source>Whether the body stays or slides, and its acceleration</source>
        <translation>Se il corpo resta fermo o scivola, e la sua accelerazione</translation>
    </message>
    <message>
        <source>Find whether the body slides</source>
        <translation>Trova se il corpo scivola</translation>
    </message>
    <message>
        <source>Force of the ramp on the body, across it, in newtons</source>
        <translation>Forza del piano sul corpo, perpendicolare al piano, in newton</translation>
    </message>
    <message>
        <source>Normal force on the ramp</source>
        <translation>Forza normale sul piano</translation>
    </message>
    <message>
        <source>W∥ = W sin α:</source>
        <translation>W∥ = W sin α:</translation>
    </message>
    <message>
        <source>Component of the weight down the ramp, in newtons</source>
        <translation>Componente del peso lungo il piano, verso il basso, in newton</translation>
    </message>
    <message>
        <source>Weight along the ramp with friction</source>
        <translation>Peso lungo il piano con attrito</translation>
    </message>
    <message>
        <source>The largest pull along the ramp static friction can hold, in newtons</source>
        <translation>La forza più grande lungo il piano che l&apos;attrito statico può trattenere, in newton</translation>
    </message>
    <message>
        <source>Greatest static friction on the ramp</source>
        <translation>Attrito statico massimo sul piano</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Esito:</translation>
    </message>
    <message>
        <source>Whether the body stays or slides, and which way</source>
        <translation>Se il corpo resta fermo o scivola, e in che verso</translation>
    </message>
    <message>
        <source>Whether the body slides</source>
        <translation>Se il corpo scivola</translation>
    </message>
    <message>
        <source>μk used:</source>
        <translation>μk usato:</translation>
    </message>
    <message>
        <source>The kinetic coefficient typed, or f / N</source>
        <translation>Il coefficiente dinamico scritto, oppure f / N</translation>
    </message>
    <message>
        <source>Kinetic coefficient used on the ramp</source>
        <translation>Coefficiente dinamico usato sul piano</translation>
    </message>
    <message>
        <source>Friction f:</source>
        <translation>Attrito f:</translation>
    </message>
    <message>
        <source>Friction acting along the ramp: what holds it at rest, μk · N when sliding, in newtons</source>
        <translation>Attrito lungo il piano: quello che lo trattiene a riposo, μk · N quando scivola, in newton</translation>
    </message>
    <message>
        <source>Friction on the ramp</source>
        <translation>Attrito sul piano</translation>
    </message>
    <message>
        <source>Net force along the ramp:</source>
        <translation>Forza risultante:</translation>
    </message>
    <message>
        <source>Net force the way the body slides, in newtons; 0 at rest</source>
        <translation>Forza risultante nel verso in cui il corpo scivola, in newton; 0 a riposo</translation>
    </message>
    <message>
        <source>Net force along the ramp</source>
        <translation>Forza risultante lungo il piano</translation>
    </message>
    <message>
        <source>Acceleration a:</source>
        <translation>Accelerazione a:</translation>
    </message>
    <message>
        <source>Acceleration the way the body slides, in metres per second squared; 0 at rest</source>
        <translation>Accelerazione nel verso in cui il corpo scivola, in metri al secondo quadrato; 0 a riposo</translation>
    </message>
    <message>
        <source>Acceleration on the ramp</source>
        <translation>Accelerazione sul piano</translation>
    </message>
    <message>
        <source>Push to start it:</source>
        <translation>Spinta per avviarlo:</translation>
    </message>
    <message>
        <source>Push along the ramp that sets the body moving, the way of the push typed (up when none), in newtons</source>
        <translation>Spinta lungo il piano che mette in moto il corpo, nel verso della spinta scritta (verso l&apos;alto se nessuna), in newton</translation>
    </message>
    <message>
        <source>Push to start it moving</source>
        <translation>Spinta per metterlo in moto</translation>
    </message>
    <message>
        <source>Push for steady speed:</source>
        <translation>Spinta a v costante:</translation>
    </message>
    <message>
        <source>Push along the ramp that keeps it moving at constant speed, the way of the push typed (up when none), in newtons</source>
        <translation>Spinta lungo il piano che lo mantiene in moto a velocità costante, nel verso della spinta scritta (verso l&apos;alto se nessuna), in newton</translation>
    </message>
    <message>
        <source>Push to keep it moving steadily</source>
        <translation>Spinta per mantenerlo in moto costante</translation>
    </message>
    <message>
        <source>Normal force N:</source>
        <translation>Forza normale N:</translation>
    </message>
    <message>
        <source>Static limit μs · N:</source>
        <translation>Massimo statico μs · N:</translation>
    </message>
</context>
<context>
    <name>PianoSlopePart</name>
    <message>
        <source>Body on a ramp at an angle (g = 9.81 m/s²)</source>
        <translation>Corpo su un piano inclinato di un angolo α (g = 9.81 m/s²)</translation>
    </message>
    <message>
        <source>Wei&amp;ght W:</source>
        <translation>Forza pe&amp;so W:</translation>
    </message>
    <message>
        <source>Weight of the body, in newtons</source>
        <translation>Forza peso del corpo, in newton</translation>
    </message>
    <message>
        <source>Weight on the angled ramp</source>
        <translation>Forza peso sul piano di angolo α</translation>
    </message>
    <message>
        <source>or &amp;mass m:</source>
        <translation>o &amp;massa m:</translation>
    </message>
    <message>
        <source>Mass of the body, in kilograms; when given, the weight is m · g</source>
        <translation>Massa del corpo, in chilogrammi; se è data, la forza peso è m · g</translation>
    </message>
    <message>
        <source>Mass on the angled ramp</source>
        <translation>Massa sul piano di angolo α</translation>
    </message>
    <message>
        <source>Angle α (&amp;degrees):</source>
        <translation>Angolo α (&amp;gradi):</translation>
    </message>
    <message>
        <source>Angle between the ramp and the ground, in degrees</source>
        <translation>Angolo tra il piano inclinato e l&apos;orizzontale, in gradi</translation>
    </message>
    <message>
        <source>Angle of the ramp</source>
        <translation>Angolo del piano inclinato</translation>
    </message>
    <message>
        <source>Resol&amp;ve</source>
        <translation>Scompo&amp;ni</translation>
    </message>
    <message>
        <source>Split the weight across and along a ramp at this angle</source>
        <translation>Scomponi la forza peso perpendicolarmente e parallelamente a un piano con questo angolo</translation>
    </message>
    <message>
        <source>Resolve the weight at the angle</source>
        <translation>Scomponi la forza peso con l&apos;angolo α</translation>
    </message>
    <message>
        <source>Weight used W:</source>
        <translation>Forza peso usata W:</translation>
    </message>
    <message>
        <source>The weight resolved: W, or m · g for a mass, in newtons</source>
        <translation>La forza peso scomposta: W, oppure m · g per una massa, in newton</translation>
    </message>
    <message>
        <source>Weight used on the angled ramp</source>
        <translation>Forza peso usata sul piano di angolo α</translation>
    </message>
    <message>
        <source>W⊥ = W · cos α:</source>
        <translation>W⊥ = W · cos α:</translation>
    </message>
    <message>
        <source>Component of the weight pressing on the ramp, in newtons</source>
        <translation>Componente della forza peso che preme sul piano, in newton</translation>
    </message>
    <message>
        <source>Perpendicular component at the angle</source>
        <translation>Componente perpendicolare con l&apos;angolo α</translation>
    </message>
    <message>
        <source>W∥ = W · sin α:</source>
        <translation>W∥ = W · sin α:</translation>
    </message>
    <message>
        <source>Component of the weight along the ramp, in newtons</source>
        <translation>Componente della forza peso lungo il piano, in newton</translation>
    </message>
    <message>
        <source>Parallel component at the angle</source>
        <translation>Componente parallela con l&apos;angolo α</translation>
    </message>
</context>
<context>
    <name>PianoWindow</name>
    <message>
        <source>Inclined plane</source>
        <translation>Piano inclinato</translation>
    </message>
    <message>
        <source>Body and ramp</source>
        <translation>Corpo e piano inclinato</translation>
    </message>
    <message>
        <source>&amp;Weight W:</source>
        <translation>Forza &amp;peso W:</translation>
    </message>
    <message>
        <source>Weight of the body, in newtons</source>
        <translation>Forza peso del corpo, in newton</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Forza peso</translation>
    </message>
    <message>
        <source>&amp;Height h:</source>
        <translation>&amp;Altezza h:</translation>
    </message>
    <message>
        <source>Height of the ramp (vertical side), in metres</source>
        <translation>Altezza del piano inclinato (cateto verticale), in metri</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>&amp;Base b:</source>
        <translation>&amp;Base b:</translation>
    </message>
    <message>
        <source>Base of the ramp (horizontal side), in metres</source>
        <translation>Base del piano inclinato (cateto orizzontale), in metri</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Length l:</source>
        <translation>&amp;Lunghezza l:</translation>
    </message>
    <message>
        <source>Length of the ramp (sloping side), in metres</source>
        <translation>Lunghezza del piano inclinato (ipotenusa), in metri</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Resolve the weight along and across the ramp and find its angle (Return)</source>
        <translation>Scomponi la forza peso parallelamente e perpendicolarmente al piano e trova l&apos;angolo del piano (Invio)</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Calcola le componenti</translation>
    </message>
    <message>
        <source>Components of the weight</source>
        <translation>Componenti della forza peso</translation>
    </message>
    <message>
        <source>P&amp;erpendicular to the ramp:</source>
        <translation>Componente p&amp;erpendicolare:</translation>
    </message>
    <message>
        <source>Component of the weight pressing the body onto the ramp, in newtons</source>
        <translation>Componente della forza peso che preme il corpo sul piano, in newton</translation>
    </message>
    <message>
        <source>Perpendicular component</source>
        <translation>Componente perpendicolare</translation>
    </message>
    <message>
        <source>Pa&amp;rallel to the ramp:</source>
        <translation>Componente pa&amp;rallela:</translation>
    </message>
    <message>
        <source>Component of the weight pulling the body down the ramp, in newtons</source>
        <translation>Componente della forza peso che tira il corpo giù lungo il piano, in newton</translation>
    </message>
    <message>
        <source>Parallel component</source>
        <translation>Componente parallela</translation>
    </message>
    <message>
        <source>Ramp at a glance</source>
        <translation>Il piano inclinato in sintesi</translation>
    </message>
    <message>
        <source>Height h:</source>
        <translation>Altezza h:</translation>
    </message>
    <message>
        <source>Sketch height</source>
        <translation>Altezza nel disegno</translation>
    </message>
    <message>
        <source>Base b:</source>
        <translation>Base b:</translation>
    </message>
    <message>
        <source>Sketch base</source>
        <translation>Base nel disegno</translation>
    </message>
    <message>
        <source>Length l:</source>
        <translation>Lunghezza l:</translation>
    </message>
    <message>
        <source>Sketch length</source>
        <translation>Lunghezza nel disegno</translation>
    </message>
    <message>
        <source>Angle α:</source>
        <translation>Angolo α:</translation>
    </message>
    <message>
        <source>Angle of the ramp, in degrees</source>
        <translation>Angolo del piano inclinato, in gradi</translation>
    </message>
    <message>
        <source>Sketch angle</source>
        <translation>Angolo nel disegno</translation>
    </message>
    <message>
        <source>W⊥:</source>
        <translation>W⊥:</translation>
    </message>
    <message>
        <source>Sketch perpendicular component</source>
        <translation>Componente perpendicolare nel disegno</translation>
    </message>
    <message>
        <source>W∥:</source>
        <translation>W∥:</translation>
    </message>
    <message>
        <source>Sketch parallel component</source>
        <translation>Componente parallela nel disegno</translation>
    </message>
    <message>
        <source>Drawing of the ramp</source>
        <translation>Disegno del piano inclinato</translation>
    </message>
</context>
<context>
    <name>Ramp</name>
    <message>
        <source>A ramp rising at %1 degrees with a body on it. Its weight of %2 N, straight down, splits into %3 N pressing on the slope and %4 N pulling down the slope.</source>
        <translation>Un piano inclinato di %1 gradi con un corpo appoggiato sopra. La sua forza peso di %2 N, verticale verso il basso, si scompone in %3 N che premono sul piano e %4 N che lo tirano giù lungo il piano.</translation>
    </message>
    <message>
        <source>No ramp drawn: its length l is not above 0.</source>
        <translation>Nessun piano disegnato: la lunghezza l non è maggiore di 0.</translation>
    </message>
    <message>
        <source>No ramp drawn: the height h must lie between 0 and the length l.</source>
        <translation>Nessun piano disegnato: l&apos;altezza h deve essere compresa tra 0 e la lunghezza l.</translation>
    </message>
    <message>
        <source>No ramp drawn: the angle must lie between 0 and 90 degrees.</source>
        <translation>Nessun piano disegnato: l&apos;angolo deve essere compreso tra 0 e 90 gradi.</translation>
    </message>
    <message>
        <source>Stays at rest: the pull along the ramp, %1 N, is less than the greatest static friction, %2 N.</source>
        <translation>Resta fermo: la forza lungo il piano, %1 N, è minore dell&apos;attrito statico massimo, %2 N.</translation>
    </message>
    <message>
        <source>On the point of sliding up the ramp: the pull along it, %1 N, equals the greatest static friction, %2 N. Once moving, it goes on as below.</source>
        <translation>Sul punto di scivolare verso l&apos;alto: la forza lungo il piano, %1 N, è uguale all&apos;attrito statico massimo, %2 N. Una volta in moto, prosegue come sotto.</translation>
    </message>
    <message>
        <source>On the point of sliding down the ramp: the pull along it, %1 N, equals the greatest static friction, %2 N. Once moving, it goes on as below.</source>
        <translation>Sul punto di scivolare verso il basso: la forza lungo il piano, %1 N, è uguale all&apos;attrito statico massimo, %2 N. Una volta in moto, prosegue come sotto.</translation>
    </message>
    <message>
        <source>Slides up the ramp: the pull along it, %1 N, is more than the greatest static friction, %2 N.</source>
        <translation>Scivola verso l&apos;alto: la forza lungo il piano, %1 N, supera l&apos;attrito statico massimo, %2 N.</translation>
    </message>
    <message>
        <source>Slides down the ramp: the pull along it, %1 N, is more than the greatest static friction, %2 N.</source>
        <translation>Scivola verso il basso: la forza lungo il piano, %1 N, supera l&apos;attrito statico massimo, %2 N.</translation>
    </message>
    <message>
        <source>Within the uncertainties, the pull along the ramp, %1, and the greatest static friction, %2, overlap: whether the body stays or slides is not certain.</source>
        <translation>Entro le incertezze, la forza lungo il piano, %1, e l&apos;attrito statico massimo, %2, si sovrappongono: non è certo se il corpo resti fermo o scivoli.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1 is empty and was read as 0.</source>
        <translation>%1: il campo è vuoto ed è stato letto come 0.</translation>
    </message>
    <message>
        <source>%1: “%2” begins with a letter and was read as 0; for %3 type %3.</source>
        <translation>%1: “%2” inizia con una lettera ed è stato letto come 0; per %3 scrivi %3.</translation>
    </message>
    <message>
        <source>%1: “%2” does not begin with a number and was read as 0.</source>
        <translation>%1: “%2” non inizia con un numero ed è stato letto come 0.</translation>
    </message>
    <message>
        <source>%1: “%2” was read as %3; for %4 type %4, with a point.</source>
        <translation>%1: “%2” è stato letto come %3; per %4 scrivi %4, con il punto.</translation>
    </message>
    <message>
        <source>%1: “%2” was read as %3; all from the second separator on was ignored.</source>
        <translation>%1: “%2” è stato letto come %3; tutto ciò che segue il secondo separatore è stato ignorato.</translation>
    </message>
    <message>
        <source>%1: “%2” was read as %3; “%4” after the number was ignored.</source>
        <translation>%1: “%2” è stato letto come %3; “%4” dopo il numero è stato ignorato.</translation>
    </message>
    <message>
        <source>%1: “%2” was read as %3, the comma as a decimal point; for %4, type %4 without it.</source>
        <translation>%1: “%2” è stato letto come %3, con la virgola decimale; per %4 scrivi %4, senza virgola.</translation>
    </message>
    <message>
        <source>%1: “%2” was read as %3.</source>
        <translation>%1: “%2” è stato letto come %3.</translation>
    </message>
</context>
<context>
    <name>ResultsLog</name>
    <message>
        <source>Save results log</source>
        <translation>Salva il registro dei risultati</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>Results log not saved</source>
        <translation>Registro dei risultati non salvato</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>the disk is full. Free some space, or save elsewhere.</source>
        <translation>il disco è pieno. Libera dello spazio o salva altrove.</translation>
    </message>
    <message>
        <source> (typed “%1”)</source>
        <translation> (scritto “%1”)</translation>
    </message>
</context>
<context>
    <name>ResultsLogWindow</name>
    <message>
        <source>Results log</source>
        <translation>Registro dei risultati</translation>
    </message>
    <message>
        <source>&amp;Computations of this session, newest last (kept until PhysCalc quits unless saved):</source>
        <translation>&amp;Calcoli di questa sessione, il più recente in fondo (conservati fino all&apos;uscita da PhysCalc, se non salvati):</translation>
    </message>
    <message>
        <source>Time, tool, inputs as read and results as shown</source>
        <translation>Ora, strumento, dati come letti e risultati come mostrati</translation>
    </message>
    <message>
        <source>Logged computations</source>
        <translation>Calcoli registrati</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Copy the whole log as tab-separated text</source>
        <translation>Copia l&apos;intero registro come testo separato da tabulazioni</translation>
    </message>
    <message>
        <source>Copy log</source>
        <translation>Copia il registro</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Cance&amp;lla</translation>
    </message>
    <message>
        <source>Forget every computation logged so far</source>
        <translation>Dimentica tutti i calcoli registrati finora</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Cancella il registro</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Salva come…</translation>
    </message>
    <message>
        <source>Save the log as CSV or Markdown</source>
        <translation>Salva il registro in formato CSV o Markdown</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Salva il registro</translation>
    </message>
</context>
<context>
    <name>Torque</name>
    <message>
        <source>A lever %1 m long from the pivot, a force of %2 N at its end at %3 degrees to it: a moment of %4 Nm, turning counter-clockwise.</source>
        <translation>Una leva lunga %1 m dal fulcro e una forza di %2 N alla sua estremità, a %3 gradi rispetto alla leva: un momento di %4 Nm, con rotazione in senso antiorario.</translation>
    </message>
    <message>
        <source>A lever %1 m long from the pivot, a force of %2 N at its end at %3 degrees to it: a moment of %4 Nm, turning clockwise.</source>
        <translation>Una leva lunga %1 m dal fulcro e una forza di %2 N alla sua estremità, a %3 gradi rispetto alla leva: un momento di %4 Nm, con rotazione in senso orario.</translation>
    </message>
    <message>
        <source>A lever %1 m long from the pivot, a force of %2 N at its end at %3 degrees to it: a moment of %4 Nm, no turning.</source>
        <translation>Una leva lunga %1 m dal fulcro e una forza di %2 N alla sua estremità, a %3 gradi rispetto alla leva: un momento di %4 Nm, senza rotazione.</translation>
    </message>
    <message>
        <source>A couple: two opposite forces of %1 N, %2 m apart, give a moment of %3 Nm, turning counter-clockwise.</source>
        <translation>Una coppia di forze: due forze opposte di %1 N, con braccio di %2 m, danno un momento di %3 Nm, con rotazione in senso antiorario.</translation>
    </message>
    <message>
        <source>A couple: two opposite forces of %1 N, %2 m apart, give a moment of %3 Nm, turning clockwise.</source>
        <translation>Una coppia di forze: due forze opposte di %1 N, con braccio di %2 m, danno un momento di %3 Nm, con rotazione in senso orario.</translation>
    </message>
    <message>
        <source>A couple: two opposite forces of %1 N, %2 m apart, give a moment of %3 Nm, no turning.</source>
        <translation>Una coppia di forze: due forze opposte di %1 N, con braccio di %2 m, danno un momento di %3 Nm, senza rotazione.</translation>
    </message>
</context>
<context>
    <name>Uncertainty</name>
    <message>
        <source>Uncertainties as independent errors, combined in quadrature (first order):</source>
        <translation>Incertezze come errori indipendenti, combinati in quadratura (al primo ordine):</translation>
    </message>
    <message>
        <source>Uncertainties as maximum errors: absolute errors add in sums, relative errors in products and quotients:</source>
        <translation>Incertezze come errori massimi: nelle somme si sommano gli errori assoluti, nei prodotti e nei quozienti quelli relativi:</translation>
    </message>
    <message>
        <source>Δ%1 / %1 = %2 = %3 = %4 %</source>
        <translation>Δ%1 / %1 = %2 = %3 = %4 %</translation>
    </message>
    <message>
        <source>Δ%1 = %2 % × %3 = %4</source>
        <translation>Δ%1 = %2 % × %3 = %4</translation>
    </message>
    <message>
        <source>Δ%1 = %2 = %3 = %4</source>
        <translation>Δ%1 = %2 = %3 = %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
</context>
<context>
    <name>VectorListPart</name>
    <message>
        <source>List of vectors</source>
        <translation>Elenco dei vettori</translation>
    </message>
    <message>
        <source>One line per vector: name/magnitude/angle/direction</source>
        <translation>Una riga per vettore: nome/modulo/angolo/direzione</translation>
    </message>
</context>
<context>
    <name>Vectors</name>
    <message>
        <source>Components of each vector</source>
        <translation>Componenti di ciascun vettore</translation>
    </message>
    <message>
        <source>Components, by number in the list:</source>
        <translation>Componenti, per numero nell&apos;elenco:</translation>
    </message>
    <message>
        <source>%1:  x = %2,  y = %3</source>
        <translation>%1:  x = %2,  y = %3</translation>
    </message>
    <message>
        <source>%1:  no direction, left out</source>
        <translation>%1:  nessuna direzione, escluso</translation>
    </message>
    <message>
        <source>R:  x = %1,  y = %2</source>
        <translation>R:  x = %1,  y = %2</translation>
    </message>
</context>
<context>
    <name>VectorsController</name>
    <message>
        <source>No vectors entered.</source>
        <translation>Nessun vettore inserito.</translation>
    </message>
    <message>
        <source>%1: code &quot;%2&quot; names no direction; ignored</source>
        <translation>%1: il codice &quot;%2&quot; non indica alcuna direzione; ignorato</translation>
    </message>
    <message>
        <source>%1 of %2 vectors drawn tip to tail from the origin; the resultant follows the last one.</source>
        <translation>%1 vettori su %2 disegnati punta-coda a partire dall&apos;origine; la risultante segue l&apos;ultimo.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin (%2 ignored: code names no direction). Resultant R: x component %3, y component %4, magnitude %5, direction %6 degrees counter-clockwise from the +x axis.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine (%2 ignorati: il codice non indica alcuna direzione). Risultante R: componente x %3, componente y %4, modulo %5, direzione %6 gradi in senso antiorario dal semiasse +x.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin (%2 ignored: code names no direction). Resultant R: x component %3, y component %4, magnitude %5, no direction.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine (%2 ignorati: il codice non indica alcuna direzione). Risultante R: componente x %3, componente y %4, modulo %5, nessuna direzione.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin. Resultant R: x component %3, y component %4, magnitude %5, direction %6 degrees counter-clockwise from the +x axis.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine. Risultante R: componente x %3, componente y %4, modulo %5, direzione %6 gradi in senso antiorario dal semiasse +x.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin. Resultant R: x component %3, y component %4, magnitude %5, no direction.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine. Risultante R: componente x %3, componente y %4, modulo %5, nessuna direzione.</translation>
    </message>
    <message>
        <source>R = %1 at %2 from +x</source>
        <translation>R = %1 a %2 da +x</translation>
    </message>
    <message>
        <source>R = %1, no direction</source>
        <translation>R = %1, nessuna direzione</translation>
    </message>
    <message>
        <source>Vector %1 of %2</source>
        <translation>Vettore %1 di %2</translation>
    </message>
</context>
<context>
    <name>VectorsWindow</name>
    <message>
        <source>Vector sum</source>
        <translation>Somma di vettori</translation>
    </message>
    <message>
        <source>Vectors entered (name/magnitude/angle/direction)</source>
        <translation>Vettori inseriti (nome/modulo/angolo/direzione)</translation>
    </message>
    <message>
        <source>Resultant</source>
        <translation>Risultante</translation>
    </message>
    <message>
        <source>&amp;x component Rx:</source>
        <translation>Componente &amp;x Rx:</translation>
    </message>
    <message>
        <source>Sum of the x components, in the unit of the magnitudes</source>
        <translation>Somma delle componenti x, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant x component</source>
        <translation>Componente x della risultante</translation>
    </message>
    <message>
        <source>&amp;y component Ry:</source>
        <translation>Componente &amp;y Ry:</translation>
    </message>
    <message>
        <source>Sum of the y components, in the unit of the magnitudes</source>
        <translation>Somma delle componenti y, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant y component</source>
        <translation>Componente y della risultante</translation>
    </message>
    <message>
        <source>&amp;Magnitude R:</source>
        <translation>&amp;Modulo R:</translation>
    </message>
    <message>
        <source>Length of the resultant, in the unit of the magnitudes</source>
        <translation>Modulo della risultante, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant magnitude</source>
        <translation>Modulo della risultante</translation>
    </message>
    <message>
        <source>Tip to tail</source>
        <translation>Metodo punta-coda</translation>
    </message>
    <message>
        <source>Picture of the vectors</source>
        <translation>Disegno dei vettori</translation>
    </message>
    <message>
        <source>No vectors entered.</source>
        <translation>Nessun vettore inserito.</translation>
    </message>
    <message>
        <source>To sum a new set, open Vector sum again from the launcher: a new count replaces these vectors.</source>
        <translation>Per sommare un nuovo gruppo di vettori, riapri Somma di vettori dalla finestra principale: il nuovo numero sostituisce questi vettori.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Forget the vectors entered and blank the results</source>
        <translation>Dimentica i vettori inseriti e svuota i risultati</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>&amp;Direction θ (° from +x):</source>
        <translation>&amp;Direzione θ (° da +x):</translation>
    </message>
    <message>
        <source>Direction of the resultant, in degrees counter-clockwise from the +x axis</source>
        <translation>Direzione della risultante, in gradi in senso antiorario dall&apos;asse +x</translation>
    </message>
    <message>
        <source>Resultant direction</source>
        <translation>Direzione della risultante</translation>
    </message>
    <message>
        <source>As a &amp;bearing:</source>
        <translation>Direzione &amp;bussola:</translation>
    </message>
    <message>
        <source>Direction of the resultant as a compass bearing from east or west, such as 4.65° S of W</source>
        <translation>Direzione della risultante come direzione cardinale da est o da ovest, per esempio 4.65° S di O</translation>
    </message>
    <message>
        <source>Resultant bearing</source>
        <translation>Direzione cardinale della risultante</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Friction</source>
        <translation>Attrito</translation>
    </message>
    <message>
        <source>Static: F = k · N = %1 × %2 N = %3 N</source>
        <translation>Statico: F = k · N = %1 × %2 N = %3 N</translation>
    </message>
    <message>
        <source>Dynamic: F = k · N = %1 × %2 N = %3 N</source>
        <translation>Dinamico: F = k · N = %1 × %2 N = %3 N</translation>
    </message>
    <message>
        <source>Dynamic: N = F / k = %1 N / %2 = %3 N</source>
        <translation>Dinamico: N = F / k = %1 N / %2 = %3 N</translation>
    </message>
    <message>
        <source>Static: N = F / k = %1 N / %2 = %3 N</source>
        <translation>Statico: N = F / k = %1 N / %2 = %3 N</translation>
    </message>
    <message>
        <source>Static: k = F / N = %1 N / %2 N = %3</source>
        <translation>Statico: k = F / N = %1 N / %2 N = %3</translation>
    </message>
    <message>
        <source>Dynamic: k = F / N = %1 N / %2 N = %3</source>
        <translation>Dinamico: k = F / N = %1 N / %2 N = %3</translation>
    </message>
    <message>
        <source>Measurement errors</source>
        <translation>Errori di misura</translation>
    </message>
    <message>
        <source>Added %1: n = %2, Σx = %3</source>
        <translation>Aggiunto %1: n = %2, Σx = %3</translation>
    </message>
    <message>
        <source>x̄ = Σx / n = %1 / %2 = %3</source>
        <translation>x̄ = Σx / n = %1 / %2 = %3</translation>
    </message>
    <message>
        <source>Values cleared: n = 0, Σx = 0. The mean shown stays until Show mean is pressed again.</source>
        <translation>Valori azzerati: n = 0, Σx = 0. La media mostrata resta finché non si preme di nuovo Mostra la media.</translation>
    </message>
    <message>
        <source>Δx = ε · x = %1 × %2 = %3</source>
        <translation>Δx = ε · x = %1 × %2 = %3</translation>
    </message>
    <message>
        <source>ε = Δx / x = %1 / %2 = %3</source>
        <translation>ε = Δx / x = %1 / %2 = %3</translation>
    </message>
    <message>
        <source>ε% = ε · 100 %1 × 100 = %2 %</source>
        <translation>ε% = ε · 100 %1 × 100 = %2 %</translation>
    </message>
    <message>
        <source>Removed %1: n = %2, Σx = %3</source>
        <translation>Tolto %1: n = %2, Σx = %3</translation>
    </message>
    <message>
        <source>Fluid pressure</source>
        <translation>Pressione nei fluidi</translation>
    </message>
    <message>
        <source>A = F / p = %1 N / %2 Pa = %3 m²</source>
        <translation>A = F / p = %1 N / %2 Pa = %3 m²</translation>
    </message>
    <message>
        <source>F = p · A = %1 Pa × %2 m² = %3 N</source>
        <translation>F = p · A = %1 Pa × %2 m² = %3 N</translation>
    </message>
    <message>
        <source>p = F / A = %1 N / %2 m² = %3 Pa</source>
        <translation>p = F / A = %1 N / %2 m² = %3 Pa</translation>
    </message>
    <message>
        <source>g · h = 9.81 m/s² × %1 m %2 m²/s²</source>
        <translation>g · h = 9.81 m/s² × %1 m %2 m²/s²</translation>
    </message>
    <message>
        <source>ρ = p / (g · h) = %1 Pa / %2 m²/s² = %3 kg/m³</source>
        <translation>ρ = p / (g · h) = %1 Pa / %2 m²/s² = %3 kg/m³</translation>
    </message>
    <message>
        <source>ρ · g = %1 kg/m³ × 9.81 m/s² %2 N/m³</source>
        <translation>ρ · g = %1 kg/m³ × 9.81 m/s² %2 N/m³</translation>
    </message>
    <message>
        <source>h = p / (ρ · g) = %1 Pa / %2 N/m³ = %3 m</source>
        <translation>h = p / (ρ · g) = %1 Pa / %2 N/m³ = %3 m</translation>
    </message>
    <message>
        <source>p = ρ · g · h = %1 kg/m³ × 9.81 m/s² × %2 m = %3 Pa</source>
        <translation>p = ρ · g · h = %1 kg/m³ × 9.81 m/s² × %2 m = %3 Pa</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Momento di una forza</translation>
    </message>
    <message>
        <source>sin α = sin %1° %2</source>
        <translation>sin α = sin %1° %2</translation>
    </message>
    <message>
        <source>d · sin α = %1 m × sin %2° %3 m</source>
        <translation>d · sin α = %1 m × sin %2° %3 m</translation>
    </message>
    <message>
        <source>M = F · d · sin α = %1 N × %2 m × sin %3° = %4 N·m</source>
        <translation>M = F · d · sin α = %1 N × %2 m × sin %3° = %4 N·m</translation>
    </message>
    <message>
        <source>M = F · b = %1 N × %2 m = %3 N·m</source>
        <translation>M = F · b = %1 N × %2 m = %3 N·m</translation>
    </message>
    <message>
        <source>Inclined plane</source>
        <translation>Piano inclinato</translation>
    </message>
    <message>
        <source>W⊥ = W · b / l = %1 N × %2 m / %3 m %4 N·m / %3 m = %5 N</source>
        <translation>W⊥ = W · b / l = %1 N × %2 m / %3 m %4 N·m / %3 m = %5 N</translation>
    </message>
    <message>
        <source>W∥ = W · h / l = %1 N × %2 m / %3 m %4 N·m / %3 m = %5 N</source>
        <translation>W∥ = W · h / l = %1 N × %2 m / %3 m %4 N·m / %3 m = %5 N</translation>
    </message>
    <message>
        <source>h / l = %1 m / %2 m %3</source>
        <translation>h / l = %1 m / %2 m %3</translation>
    </message>
    <message>
        <source>α = asin(h / l) = asin(%1 / %2) = %3°</source>
        <translation>α = asin(h / l) = asin(%1 / %2) = %3°</translation>
    </message>
    <message>
        <source>v%1: %2 at %3°, code &quot;%4&quot; names no direction: x = 0, y = 0</source>
        <translation>v%1: %2 a %3°, il codice &quot;%4&quot; non indica alcuna direzione: x = 0, y = 0</translation>
    </message>
    <message>
        <source>v%1: %2 at %3°, code %4: x %5, y %6</source>
        <translation>v%1: %2 a %3°, codice %4: x %5, y %6</translation>
    </message>
    <message>
        <source>Rx = Σx = %1</source>
        <translation>Rx = Σx = %1</translation>
    </message>
    <message>
        <source>Ry = Σy = %1</source>
        <translation>Ry = Σy = %1</translation>
    </message>
    <message>
        <source>R = √(Rx² + Ry²) = √(%1² + %2²) = %3</source>
        <translation>R = √(Rx² + Ry²) = √(%1² + %2²) = %3</translation>
    </message>
    <message>
        <source>Vector sum</source>
        <translation>Somma di vettori</translation>
    </message>
    <message>
        <source>N = m · g = %1 kg × 9.81 m/s² = %2 N</source>
        <translation>N = m · g = %1 kg × 9.81 m/s² = %2 N</translation>
    </message>
    <message>
        <source>W = m · g = %1 kg × 9.81 m/s² = %2 N</source>
        <translation>W = m · g = %1 kg × 9.81 m/s² = %2 N</translation>
    </message>
    <message>
        <source>W⊥ = W · cos α = %1 N × cos %2° = %3 N</source>
        <translation>W⊥ = W · cos α = %1 N × cos %2° = %3 N</translation>
    </message>
    <message>
        <source>W∥ = W · sin α = %1 N × sin %2° = %3 N</source>
        <translation>W∥ = W · sin α = %1 N × sin %2° = %3 N</translation>
    </message>
    <message>
        <source>m = N / g = %1 N / 9.81 m/s² = %2 kg</source>
        <translation>m = N / g = %1 N / 9.81 m/s² = %2 kg</translation>
    </message>
    <message>
        <source>μs · N = %1 × %2 N = %3 N</source>
        <translation>μs · N = %1 × %2 N = %3 N</translation>
    </message>
    <message>
        <source>At rest, friction holds the push: F = P = %1 N, a = 0</source>
        <translation>A riposo, l&apos;attrito trattiene la spinta: F = P = %1 N, a = 0</translation>
    </message>
    <message>
        <source>μk · N = %1 × %2 N = %3 N</source>
        <translation>μk · N = %1 × %2 N = %3 N</translation>
    </message>
    <message>
        <source>F net = P − μk · N = %1 N − %2 N = %3 N</source>
        <translation>F ris = P − μk · N = %1 N − %2 N = %3 N</translation>
    </message>
    <message>
        <source>a = F net / m = %1 N / %2 kg = %3 m/s²</source>
        <translation>a = F ris / m = %1 N / %2 kg = %3 m/s²</translation>
    </message>
    <message>
        <source>m = W / g = %1 N / 9.81 m/s² = %2 kg</source>
        <translation>m = W / g = %1 N / 9.81 m/s² = %2 kg</translation>
    </message>
    <message>
        <source>N = W · cos α = %1 N × cos %2° = %3 N</source>
        <translation>N = W · cos α = %1 N × cos %2° = %3 N</translation>
    </message>
    <message>
        <source>μk = f / N = %1 N / %2 N = %3</source>
        <translation>μk = f / N = %1 N / %2 N = %3</translation>
    </message>
    <message>
        <source>Pull along the ramp = P − W∥ = %1 N − %2 N = %3 N</source>
        <translation>Forza lungo il piano = P − W∥ = %1 N − %2 N = %3 N</translation>
    </message>
    <message>
        <source>F net = %1 N − %2 N = %3 N, a = F net / m = %3 N / %4 kg = %5 m/s²</source>
        <translation>F ris = %1 N − %2 N = %3 N, a = F ris / m = %3 N / %4 kg = %5 m/s²</translation>
    </message>
    <message>
        <source>Value %1 changed from %2 to %3: n = %4, Σx = %5</source>
        <translation>Valore %1 cambiato da %2 a %3: n = %4, Σx = %5</translation>
    </message>
    <message>
        <source>Added %1 values: n = %2, Σx = %3</source>
        <translation>Aggiunti %1 valori: n = %2, Σx = %3</translation>
    </message>
    <message>
        <source>Undone: n = %1, Σx = %2</source>
        <translation>Annullato: n = %1, Σx = %2</translation>
    </message>
    <message>
        <source>Measurement errors: lab sheet</source>
        <translation>Errori di misura: scheda di laboratorio</translation>
    </message>
    <message>
        <source>%1 = %2 = %3 %4</source>
        <translation>%1 = %2 = %3 %4</translation>
    </message>
    <message>
        <source>a = g (sin α − μk cos α) = 9.81 m/s² × (sin %1° − %2 × cos %1°) = %3 m/s²</source>
        <translation>a = g (sin α − μk cos α) = 9.81 m/s² × (sin %1° − %2 × cos %1°) = %3 m/s²</translation>
    </message>
    <message>
        <source>Pₛ = W∥ + μs · N = %1 N + %2 N = %3 N</source>
        <translation>Pₛ = W∥ + μs · N = %1 N + %2 N = %3 N</translation>
    </message>
    <message>
        <source>Pₖ = W∥ + μk · N = %1 N + %2 N = %3 N</source>
        <translation>Pₖ = W∥ + μk · N = %1 N + %2 N = %3 N</translation>
    </message>
    <message>
        <source>Pₛ = max(μs · N − W∥, 0) = max(%1 N − %2 N, 0) = %3 N</source>
        <translation>Pₛ = max(μs · N − W∥, 0) = max(%1 N − %2 N, 0) = %3 N</translation>
    </message>
    <message>
        <source>Pₖ = max(μk · N − W∥, 0) = max(%1 N − %2 N, 0) = %3 N</source>
        <translation>Pₖ = max(μk · N − W∥, 0) = max(%1 N − %2 N, 0) = %3 N</translation>
    </message>
</context>
<context>
    <name>WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Wor&amp;king</source>
        <translation>Procedimen&amp;to</translation>
    </message>
    <message>
        <source>Show working</source>
        <translation>Mostra il procedimento</translation>
    </message>
    <message>
        <source>Show or hide how the last result was worked out</source>
        <translation>Mostra o nasconde come è stato ottenuto l&apos;ultimo risultato</translation>
    </message>
    <message>
        <source>Press a button: its working shows here.</source>
        <translation>Premi un pulsante: qui compare il procedimento.</translation>
    </message>
    <message>
        <source>&amp;Uncertainties:</source>
        <translation>&amp;Quale regola per le incertezze:</translation>
    </message>
    <message>
        <source>How uncertainties are combined</source>
        <translation>Come si combinano le incertezze</translation>
    </message>
    <message>
        <source>Maximum error: absolute errors add in sums, relative errors in products. Quadrature: independent errors, combined as the square root of the sum of squares.</source>
        <translation>Errore massimo: nelle somme si sommano gli errori assoluti, nei prodotti quelli relativi. In quadratura: errori indipendenti, combinati come radice della somma dei quadrati.</translation>
    </message>
    <message>
        <source>Maximum error</source>
        <translation>Errore massimo</translation>
    </message>
    <message>
        <source>Independent, in quadrature</source>
        <translation>Indipendenti, in quadratura</translation>
    </message>
</context>
</TS>
