object GroupBox1: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Via Characteristics '
  object Label5: TLabel
    Left = 16
    Top = 16
    Width = 168
    Height = 15
    Caption = 'Via Hole Diameter'
  end
  object Edit3: TEdit
    OnKeyDown = Edit3KeyDown
    OnKeyPress = Edit3KeyPress
    Left = 16
    Top = 40
    Width = 96
    Height = 22
    Text = ''
    Hint = 'Enter the finished hole diameter of the via.'
    MaxLength = 8
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 0
  end
  object Edit52: TEdit
    Left = 116
    Top = 44
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 1
  end
  object Label6: TLabel
    Left = 16
    Top = 80
    Width = 168
    Height = 15
    Caption = 'Internal Pad Diameter'
  end
  object Edit4: TEdit
    OnKeyDown = Edit4KeyDown
    OnKeyPress = Edit4KeyPress
    Left = 16
    Top = 104
    Width = 96
    Height = 22
    Text = ''
    Hint = 'Enter the internal layer pad diameter of the via.'
    MaxLength = 8
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 2
  end
  object Edit53: TEdit
    Left = 116
    Top = 108
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object Label7: TLabel
    Left = 16
    Top = 144
    Width = 168
    Height = 15
    Caption = 'Ref Plane Opening Diam'
  end
  object Edit5: TEdit
    OnKeyDown = Edit5KeyDown
    OnKeyPress = Edit5KeyPress
    Left = 16
    Top = 168
    Width = 96
    Height = 22
    Text = ''
    Hint = 'Enter the internal reference plane opening diameter of the via.'
    MaxLength = 8
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 4
  end
  object Edit54: TEdit
    Left = 116
    Top = 172
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 5
  end
  object Label8: TLabel
    Left = 16
    Top = 208
    Width = 168
    Height = 15
    Caption = 'Via Height'
  end
  object Edit6: TEdit
    OnKeyDown = Edit6KeyDown
    OnKeyPress = Edit6KeyPress
    Left = 16
    Top = 232
    Width = 96
    Height = 22
    Text = ''
    Hint = 'Enter the length of the via.'
    MaxLength = 8
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 6
  end
  object Edit55: TEdit
    Left = 116
    Top = 236
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 7
  end
  object Label11: TLabel
    Left = 16
    Top = 272
    Width = 168
    Height = 15
    Caption = 'Via Plating Thickness'
  end
  object Edit9: TEdit
    OnKeyDown = Edit9KeyDown
    OnKeyPress = Edit9KeyPress
    Left = 16
    Top = 296
    Width = 96
    Height = 22
    Text = ''
    Hint = 'Enter the plating thickness of the via. Contact your PCB manufacturer for the exact value.'
    MaxLength = 8
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 8
  end
  object Edit56: TEdit
    Left = 116
    Top = 300
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 9
  end
  object Edit335: TEdit
    OnKeyDown = Edit335KeyDown
    OnKeyPress = Edit335KeyPress
    Left = 16
    Top = 296
    Width = 96
    Height = 22
    Text = '60'
    Hint = 'Enter the spacing between the differential vias.'
    Visible = False
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 10
  end
  object Edit336: TEdit
    Left = 116
    Top = 300
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 11
  end
  object Label14: TLabel
    Left = 16
    Top = 336
    Width = 168
    Height = 15
    Caption = 'Via Inductance'
  end
  object Edit12: TEdit
    Left = 16
    Top = 360
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Via inductance in nH.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 12
  end
  object Label102: TLabel
    Left = 16
    Top = 336
    Width = 168
    Height = 15
    Caption = 'Anisotropy of Material'
    Visible = False
  end
  object Edit206: TEdit
    OnKeyDown = Edit206KeyDown
    OnKeyPress = Edit206KeyPress
    Left = 16
    Top = 360
    Width = 96
    Height = 22
    Text = '18'
    Hint = 'Enter the anisotropy of the PCB substrate. (contact vendor for exact value) 18% should be sufficient for most applications.'
    Visible = False
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 13
  end
  object Edit208: TEdit
    Left = 116
    Top = 364
    Width = 48
    Height = 18
    Text = '%'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 14
  end
  object Label105: TLabel
    Left = 16
    Top = 400
    Width = 168
    Height = 15
    Caption = 'Baud Rate'
    Visible = False
  end
  object Edit209: TEdit
    OnKeyDown = Edit209KeyDown
    OnKeyPress = Edit209KeyPress
    Left = 16
    Top = 424
    Width = 96
    Height = 22
    Text = '1'
    Hint = 'Enter the buad rate of the signal.'
    Visible = False
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 15
  end
  object Edit210: TEdit
    Left = 116
    Top = 428
    Width = 48
    Height = 18
    Text = 'GBaud'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 16
  end
  object Label383: TLabel
    Left = 16
    Top = 464
    Width = 168
    Height = 15
    Caption = 'Differential Pair Z '
    Visible = False
  end
  object Edit386: TEdit
    OnKeyDown = Edit6KeyDown
    OnKeyPress = Edit6KeyPress
    Left = 16
    Top = 488
    Width = 96
    Height = 22
    Text = '100'
    Hint = 'Enter the calculated or measured impedance of the connected differential pair, not the target impedance.'
    MaxLength = 8
    Visible = False
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 17
  end
  object Edit387: TEdit
    Left = 116
    Top = 492
    Width = 48
    Height = 18
    Text = 'Ohms'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 18
  end
  object Label10: TLabel
    Left = 208
    Top = 16
    Width = 168
    Height = 15
    Caption = 'Conductor Cross Section'
  end
  object Edit8: TEdit
    Left = 208
    Top = 40
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Approximated equivilent conductor cross section of via.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 19
  end
  object Label12: TLabel
    Left = 208
    Top = 80
    Width = 168
    Height = 15
    Caption = 'Via Current'
  end
  object Edit10: TEdit
    Left = 208
    Top = 104
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Approximated current that will cause given temprise in via body.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 20
  end
  object Label84: TLabel
    Left = 208
    Top = 144
    Width = 168
    Height = 15
    Caption = 'Power Dissipation'
  end
  object Edit50: TEdit
    Left = 208
    Top = 168
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Via power dissipation in Watts.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 21
  end
  object Label83: TLabel
    Left = 208
    Top = 208
    Width = 168
    Height = 15
    Caption = 'Via DC Resistance'
  end
  object Edit49: TEdit
    Left = 208
    Top = 232
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Via DC resistance in Ohms.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 22
  end
  object Label15: TLabel
    Left = 208
    Top = 272
    Width = 168
    Height = 15
    Caption = 'Step Response'
  end
  object Edit13: TEdit
    Left = 208
    Top = 296
    Width = 136
    Height = 22
    Text = ''
    Hint = 'T10-90% step response. Impact on the rise time of a 50 Ohm transmission line.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 23
  end
  object BitBtn7: TBitBtn
    OnClick = BitBtn7Click
    Left = 352
    Top = 296
    Width = 24
    Height = 22
    Caption = '!'
    Hint = 'Attention!'
    Visible = False
    TabOrder = 24
  end
  object Label13: TLabel
    Left = 208
    Top = 336
    Width = 168
    Height = 15
    Caption = 'Via Capacitance'
  end
  object Edit11: TEdit
    Left = 208
    Top = 360
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Via capacitance in pF.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 25
  end
  object Label42: TLabel
    Left = 208
    Top = 400
    Width = 168
    Height = 15
    Caption = 'Via Impedance'
  end
  object Edit42: TEdit
    Left = 208
    Top = 424
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Via Impedance in Ohms.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 26
  end
  object Label16: TLabel
    Left = 208
    Top = 464
    Width = 168
    Height = 15
    Caption = 'Resonant Frequency'
  end
  object Edit14: TEdit
    Left = 208
    Top = 488
    Width = 136
    Height = 22
    Text = ''
    Hint = 'Resonant frequency of via.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 27
  end
  object Image7: TImage
    Left = 392
    Top = 16
    Width = 317
    Height = 296
    Picture = 'via_multilayer'
    Stretch = True
    Proportional = True
  end
  object Image2: TImage
    Left = 392
    Top = 16
    Width = 317
    Height = 296
    Picture = 'via_two_layer'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image20: TImage
    Left = 392
    Top = 16
    Width = 317
    Height = 296
    Picture = 'via_microvia'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Label187: TLabel
    Left = 392
    Top = 328
    Width = 317
    Height = 15
    Caption = 'IPC-2152 with modifiers mode'
  end
  object Label402: TLabel
    Left = 392
    Top = 352
    Width = 317
    Height = 15
    Caption = 'Warning! Maximum via aspect ratio exceeded!'
    Visible = False
    Font.Color = clRed
  end
  object Label159: TLabel
    Left = 392
    Top = 384
    Width = 317
    Height = 15
    Caption = 'Note:'
    Visible = False
  end
  object Label160: TLabel
    Left = 392
    Top = 400
    Width = 317
    Height = 15
    Caption = 'According to the IPC-2152 standard, microvias'
    Visible = False
  end
  object Label161: TLabel
    Left = 392
    Top = 416
    Width = 317
    Height = 15
    Caption = 'react to temperature rise due to current in the'
    Visible = False
  end
  object Label164: TLabel
    Left = 392
    Top = 432
    Width = 317
    Height = 15
    Caption = 'same manner as a through-hole via.'
    Visible = False
  end
  object Image46: TImage
    Left = 392
    Top = 16
    Width = 317
    Height = 168
    Picture = 'via_diff_pair'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image64: TImage
    Left = 392
    Top = 16
    Width = 317
    Height = 168
    Picture = 'via_diff_pair_shared_opening'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object CheckBox5: TCheckBox
    OnClick = CheckBox5Click
    Left = 392
    Top = 194
    Width = 160
    Height = 20
    Caption = 'Full Plane Opening'
    Checked = False
    Visible = False
    TabOrder = 28
  end
  object BitBtn10: TBitBtn
    OnClick = BitBtn10Click
    Left = 621
    Top = 190
    Width = 88
    Height = 28
    Caption = '&Help'
    Kind = bkHelp
    Hint = 'Open help on this topic.'
    Visible = False
    TabOrder = 29
  end
  object Image65: TImage
    Left = 392
    Top = 232
    Width = 317
    Height = 232
    Picture = 'via_stub'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object BitBtn9: TBitBtn
    OnClick = BitBtn9Click
    Left = 621
    Top = 472
    Width = 88
    Height = 28
    Caption = '&Help'
    Kind = bkHelp
    Hint = 'Open help on this topic.'
    Visible = False
    TabOrder = 30
  end
end
