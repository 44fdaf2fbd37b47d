# The title row of a Mis Comprobantes Emitidos export in its current form: 28 columns, ";" between them, titles in
# quotes, UTF-8 with its mark, CR LF at the end. Sourced by make-examples.sh and by bench/portfolio.sh.
current_titles() {
    printf '\xEF\xBB\xBF'
    printf '"%s";' 'Fecha de Emisión' 'Tipo de Comprobante' 'Punto de Venta' 'Número Desde' 'Número Hasta' \
        'Cód. Autorización' 'Tipo Doc. Receptor' 'Nro. Doc. Receptor' 'Denominación Receptor' 'Tipo Cambio' 'Moneda' \
        'Imp. Neto Gravado IVA 0%' 'IVA 2,5%' 'Imp. Neto Gravado IVA 2,5%' 'IVA 5%' 'Imp. Neto Gravado IVA 5%' \
        'IVA 10,5%' 'Imp. Neto Gravado IVA 10,5%' 'IVA 21%' 'Imp. Neto Gravado IVA 21%' 'IVA 27%' \
        'Imp. Neto Gravado IVA 27%' 'Imp. Neto Gravado Total' 'Imp. Neto No Gravado' 'Imp. Op. Exentas' \
        'Otros Tributos' 'Total IVA'
    printf '"Imp. Total"\r\n'
}
