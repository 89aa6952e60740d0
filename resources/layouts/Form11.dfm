object Form11: TForm11
  Caption = 'PCB Design Rules'
  ClientWidth = 408
  ClientHeight = 346
  BorderStyle = bsDialog
  Position = poScreenCenter
  OnShow = FormShow
  OnCloseQuery = FormCloseQuery
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 392
    Height = 330
    TabOrder = 0
    object GroupBox1: TGroupBox
      Left = 8
      Top = 8
      Width = 376
      Height = 280
      Caption = ' Generic Copper Weight vs. Conductor Spacing Chart '
      TabOrder = 0
      // "Copper Weight"
      object Label1: TLabel
        Left = 32
        Top = 24
        Width = 120
        Height = 16
        Caption = 'Copper Weight'
      end
      // "Minimum Gerber Width"
      object Label2: TLabel
        Left = 184
        Top = 24
        Width = 160
        Height = 16
        Caption = 'Minimum Gerber Width'
      end
      // Row by row: Edit1 (weight) beside Edit9 (width) ... Edit8 beside Edit16.
      object Edit1: TEdit
        Left = 32
        Top = 44
        Width = 120
        Height = 22
        Text = '1/4 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 0
      end
      object Edit9: TEdit
        Left = 184
        Top = 44
        Width = 120
        Height = 22
        Text = '3mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 1
      end
      object Edit2: TEdit
        Left = 32
        Top = 72
        Width = 120
        Height = 22
        Text = '1/2 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 2
      end
      object Edit10: TEdit
        Left = 184
        Top = 72
        Width = 120
        Height = 22
        Text = '3mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 3
      end
      object Edit3: TEdit
        Left = 32
        Top = 100
        Width = 120
        Height = 22
        Text = '1 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 4
      end
      object Edit11: TEdit
        Left = 184
        Top = 100
        Width = 120
        Height = 22
        Text = '4mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 5
      end
      object Edit4: TEdit
        Left = 32
        Top = 128
        Width = 120
        Height = 22
        Text = '2 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 6
      end
      object Edit12: TEdit
        Left = 184
        Top = 128
        Width = 120
        Height = 22
        Text = '5mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 7
      end
      object Edit5: TEdit
        Left = 32
        Top = 156
        Width = 120
        Height = 22
        Text = '3 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 8
      end
      object Edit13: TEdit
        Left = 184
        Top = 156
        Width = 120
        Height = 22
        Text = '6mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 9
      end
      object Edit6: TEdit
        Left = 32
        Top = 184
        Width = 120
        Height = 22
        Text = '4 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 10
      end
      object Edit14: TEdit
        Left = 184
        Top = 184
        Width = 120
        Height = 22
        Text = '7mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 11
      end
      object Edit7: TEdit
        Left = 32
        Top = 212
        Width = 120
        Height = 22
        Text = '5 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 12
      end
      object Edit15: TEdit
        Left = 184
        Top = 212
        Width = 120
        Height = 22
        Text = '8mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 13
      end
      object Edit8: TEdit
        Left = 32
        Top = 240
        Width = 120
        Height = 22
        Text = '6 oz'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 14
      end
      object Edit16: TEdit
        Left = 184
        Top = 240
        Width = 120
        Height = 22
        Text = '9mil'
        ReadOnly = True
        Font.Color = clNavy
        Font.Style = [fsBold]
        TabOrder = 15
      end
    end
    // "Close"
    object Button1: TButton
      OnClick = Button1Click
      Left = 296
      Top = 296
      Width = 88
      Height = 26
      Caption = 'Close'
      TabOrder = 1
    end
  end
end
